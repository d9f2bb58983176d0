{ The probe's small check harness: every check prints one line, failures are
  counted, and the summary line decides the exit code. A scope names the case
  a group of checks belongs to (an action id, a call number). }
unit ProbeChecks;

{$mode delphi}

interface

procedure Scope(const What: AnsiString);
procedure Check(Condition: Boolean; const What: AnsiString);
procedure CheckInt(Actual, Expected: Int64; const What: AnsiString);
procedure CheckPtr(Actual, Expected: Pointer; const What: AnsiString);
{ Byte-for-byte comparison of a zero-terminated text with the expected bytes. }
procedure CheckText(Actual: PAnsiChar; const Expected: RawByteString; const What: AnsiString);
procedure CheckBytes(const Actual, Expected: RawByteString; const What: AnsiString);

function SameBytes(const A, B: RawByteString): Boolean;
function Printable(const Bytes: RawByteString): AnsiString;
function Hex(Value: PtrUInt; Digits: Integer = SizeOf(PtrUInt) * 2): AnsiString;
function IntText(Value: Int64): AnsiString;
function TextOf(P: PAnsiChar): RawByteString;

{ Prints "N passed, N failed" and gives the process's exit code. }
function Summary: Integer;

implementation

var
  Passed, Failed: Integer;
  CurrentScope: AnsiString;

procedure Scope(const What: AnsiString);
begin
  CurrentScope := What;
end;

function Hex(Value: PtrUInt; Digits: Integer): AnsiString;
const
  HexDigits: array[0..15] of AnsiChar = '0123456789ABCDEF';
var
  I: Integer;
begin
  SetLength(Result, Digits);
  for I := Length(Result) downto 1 do
  begin
    Result[I] := HexDigits[Value and 15];
    Value := Value shr 4;
  end;
  Result := '$' + Result;
end;

function IntText(Value: Int64): AnsiString;
begin
  Str(Value, Result);
end;

function TextOf(P: PAnsiChar): RawByteString;
var
  N: SizeInt;
begin
  Result := '';
  if P = nil then
    Exit;
  N := 0;
  while P[N] <> #0 do
    Inc(N);
  SetLength(Result, N);
  if N > 0 then
    Move(P^, Result[1], N);
end;

function SameBytes(const A, B: RawByteString): Boolean;
begin
  Result := (Length(A) = Length(B)) and ((Length(A) = 0) or (CompareByte(A[1], B[1], Length(A)) = 0));
end;

{ ASCII as it is, every other byte as #$XX, so that a wrong code page shows. }
function Printable(const Bytes: RawByteString): AnsiString;
var
  I: Integer;
begin
  Result := '';
  for I := 1 to Length(Bytes) do
    if (Bytes[I] >= ' ') and (Bytes[I] < #127) then
      Result := Result + Bytes[I]
    else
      Result := Result + '#' + Copy(Hex(Ord(Bytes[I]), 2), 2, 2);
  Result := '"' + Result + '"';
end;

procedure Report(Condition: Boolean; const What, Detail: AnsiString);
var
  Line: AnsiString;
begin
  if CurrentScope <> '' then
    Line := CurrentScope + ': ' + What
  else
    Line := What;
  if Condition then
  begin
    Inc(Passed);
    WriteLn('ok    ', Line);
  end
  else
  begin
    Inc(Failed);
    if Detail <> '' then
      Line := Line + ' (' + Detail + ')';
    WriteLn('FAIL  ', Line);
  end;
end;

procedure Check(Condition: Boolean; const What: AnsiString);
begin
  Report(Condition, What, '');
end;

procedure CheckInt(Actual, Expected: Int64; const What: AnsiString);
begin
  Report(Actual = Expected, What, 'got ' + IntText(Actual) + ', expected ' + IntText(Expected));
end;

procedure CheckPtr(Actual, Expected: Pointer; const What: AnsiString);
begin
  Report(Actual = Expected, What, 'got ' + Hex(PtrUInt(Actual)) + ', expected ' + Hex(PtrUInt(Expected)));
end;

procedure CheckBytes(const Actual, Expected: RawByteString; const What: AnsiString);
begin
  Report(SameBytes(Actual, Expected), What, 'got ' + Printable(Actual) + ', expected ' + Printable(Expected));
end;

procedure CheckText(Actual: PAnsiChar; const Expected: RawByteString; const What: AnsiString);
begin
  if Actual = nil then
    Report(False, What, 'got null, expected ' + Printable(Expected))
  else
    CheckBytes(TextOf(Actual), Expected, What);
end;

function Summary: Integer;
begin
  WriteLn(Passed, ' passed, ', Failed, ' failed');
  if (Failed = 0) and (Passed > 0) then
    Result := 0
  else
    Result := 1;
end;

end.
