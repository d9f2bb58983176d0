{ The probe's host side: the four callbacks handed to the plug-in. Each records
  its arguments, copied during the call, in the order the calls arrive. }
unit ProbeHost;

{$mode delphi}

interface

uses
  ProbeFloatingPoint, ProbePlugin;

type
  TCallKind = (ckAddAction, ckSetVar, ckRunScript, ckInterfaceAccess);

  THostCall = record
    Kind: TCallKind;
    { AddAction: ID, LastKind, Count. InterfaceAccess: Code. }
    ID, LastKind, Count: Integer;
    { AddAction: Name, Hint. SetVar: Name, Value. RunScript: Command.
      InterfaceAccess: the slot's text before the answer. }
    Text1, Text2: RawByteString;
    { AddAction: the Count kind bytes. }
    Kinds: RawByteString;
    { AddAction: the kinds address. InterfaceAccess: the slot's address. }
    Address: Pointer;
    { InterfaceAccess: the block the slot held after the answer. }
    Answer: Pointer;
    { The floating-point words the callback ran under. }
    Words: TFloatingPointWords;
  end;

var
  Calls: array of THostCall;
  { What HostInterfaceAccess answers: when AccessFills, the slot receives
    AccessText under the slot rule (old block freed, new block allocated). }
  AccessResult: Boolean = False;
  AccessFills: Boolean = False;
  AccessText: RawByteString = '';
  { Each callback first copies its arguments here in declaration order, so
    that its disassembly shows where it finds each of them. }
  CallbackArgs: array[0..5] of PtrUInt;
  { The host's own floating-point words, as the probe set them at start. }
  HostWords: TFloatingPointWords;

procedure ClearCalls;
function CallKindName(Kind: TCallKind): AnsiString;

procedure HostAddAction(ID: Integer; Name, Hint: PAnsiChar; Kinds: PByte; LastKind: Integer;
  Count: Integer); register;
procedure HostSetVar(Name, Value: PAnsiChar); register;
procedure HostRunScript(Command: PAnsiChar); register;
function HostInterfaceAccess(Code: Integer; Slot: PSlot): Boolean; register;

{ The callbacks as the plug-in receives them. }
function AddActionCallback: THostAddAction;

{ True when exactly Count callbacks arrived; lists what arrived otherwise. }
function RequireCalls(Count: Integer; const What: AnsiString): Boolean;
{ Every recorded callback ran under HostWords, and they are in effect again. }
procedure CheckHostWords;
{ Checks of one recorded call, by its index in Calls; each says which call
  and which argument differs. }
procedure CheckSetVarCall(Index: Integer; const Name, Value: RawByteString);
procedure CheckRunScriptCall(Index: Integer; const Command: RawByteString);
procedure CheckInterfaceAccessCall(Index: Integer; Code: Integer; const SlotBefore: RawByteString);

implementation

uses
  ProbeChecks, ProbeSystem;

const
  MaxKinds = 16;

procedure ClearCalls;
begin
  SetLength(Calls, 0);
end;

function CallKindName(Kind: TCallKind): AnsiString;
begin
  case Kind of
    ckAddAction: Result := 'HostAddAction';
    ckSetVar: Result := 'HostSetVar';
    ckRunScript: Result := 'HostRunScript';
  else
    Result := 'HostInterfaceAccess';
  end;
end;

function NewCall(Kind: TCallKind): Integer;
begin
  Result := Length(Calls);
  SetLength(Calls, Result + 1);
  FillChar(Calls[Result], SizeOf(THostCall), 0);
  Calls[Result].Kind := Kind;
  Calls[Result].Words := CurrentWords;
end;

procedure HostAddAction(ID: Integer; Name, Hint: PAnsiChar; Kinds: PByte; LastKind: Integer;
  Count: Integer); register;
var
  I: Integer;
begin
  CallbackArgs[0] := PtrUInt(ID);
  CallbackArgs[1] := PtrUInt(Name);
  CallbackArgs[2] := PtrUInt(Hint);
  CallbackArgs[3] := PtrUInt(Kinds);
  CallbackArgs[4] := PtrUInt(LastKind);
  CallbackArgs[5] := PtrUInt(Count);
  I := NewCall(ckAddAction);
  Calls[I].ID := ID;
  Calls[I].Text1 := TextOf(Name);
  Calls[I].Text2 := TextOf(Hint);
  Calls[I].LastKind := LastKind;
  Calls[I].Count := Count;
  Calls[I].Address := Kinds;
  if (Kinds <> nil) and (Count > 0) and (Count <= MaxKinds) then
  begin
    SetLength(Calls[I].Kinds, Count);
    Move(Kinds^, Calls[I].Kinds[1], Count);
  end;
end;

{$ifndef CPUI386}
{ The 64-bit plug-in's order of the last three arguments (see ProbePlugin). }
procedure HostAddAction64(ID: Integer; Name, Hint: PAnsiChar; Count: Integer; LastKind: Integer;
  Kinds: PByte);
begin
  HostAddAction(ID, Name, Hint, Kinds, LastKind, Count);
end;
{$endif}

function AddActionCallback: THostAddAction;
begin
{$ifdef CPUI386}
  Result := HostAddAction;
{$else}
  Result := HostAddAction64;
{$endif}
end;

procedure HostSetVar(Name, Value: PAnsiChar); register;
var
  I: Integer;
begin
  CallbackArgs[0] := PtrUInt(Name);
  CallbackArgs[1] := PtrUInt(Value);
  I := NewCall(ckSetVar);
  Calls[I].Text1 := TextOf(Name);
  Calls[I].Text2 := TextOf(Value);
end;

procedure HostRunScript(Command: PAnsiChar); register;
var
  I: Integer;
begin
  CallbackArgs[0] := PtrUInt(Command);
  I := NewCall(ckRunScript);
  Calls[I].Text1 := TextOf(Command);
end;

function HostInterfaceAccess(Code: Integer; Slot: PSlot): Boolean; register;
var
  I: Integer;
begin
  CallbackArgs[0] := PtrUInt(Code);
  CallbackArgs[1] := PtrUInt(Slot);
  I := NewCall(ckInterfaceAccess);
  Calls[I].ID := Code;
  Calls[I].Address := Slot;
  if Slot <> nil then
  begin
    Calls[I].Text1 := TextOf(Slot^);
    if AccessFills then
    begin
      if Slot^ <> nil then
        GlobalFree(Slot^);
      Slot^ := NewHostBlock(AccessText);
    end;
    Calls[I].Answer := Slot^;
  end;
  Result := AccessResult;
end;

{ True when exactly Count callbacks arrived; says what arrived otherwise. }
function RequireCalls(Count: Integer; const What: AnsiString): Boolean;
var
  I: Integer;
  Seen: AnsiString;
begin
  Result := Length(Calls) = Count;
  if Result then
  begin
    Check(True, What + ': ' + IntText(Count) + ' host calls');
    Exit;
  end;
  Seen := '';
  for I := 0 to High(Calls) do
    Seen := Seen + ' ' + CallKindName(Calls[I].Kind);
  Check(False, What + ': ' + IntText(Count) + ' host calls, got ' + IntText(Length(Calls)) + ':' + Seen);
end;

procedure CheckHostWords;
var
  I, Differing: Integer;
  Words: TFloatingPointWords;
begin
  Differing := 0;
  for I := 0 to High(Calls) do
    if not SameWords(Calls[I].Words, HostWords) then
      Inc(Differing);
  if Length(Calls) > 0 then
    CheckInt(Differing, 0, 'callbacks that ran under floating-point words other than the host''s');
  Words := CurrentWords;
  Check(SameWords(Words, HostWords), 'the host''s floating-point words are back (x87 ' +
    Hex(Words.X87, 4) + ', MXCSR ' + Hex(Words.Mxcsr, 8) + ')');
end;

function IsCall(Index: Integer; Kind: TCallKind): Boolean;
var
  What: AnsiString;
begin
  Str(Index + 1, What);
  What := 'host call ' + What + ' is ' + CallKindName(Kind);
  Result := (Index >= 0) and (Index < Length(Calls)) and (Calls[Index].Kind = Kind);
  if Result then
    Check(True, What)
  else if (Index >= 0) and (Index < Length(Calls)) then
    Check(False, What + ', got ' + CallKindName(Calls[Index].Kind))
  else
    Check(False, What + ', got no such call');
end;

procedure CheckSetVarCall(Index: Integer; const Name, Value: RawByteString);
begin
  if not IsCall(Index, ckSetVar) then
    Exit;
  CheckBytes(Calls[Index].Text1, Name, 'HostSetVar variable name');
  CheckBytes(Calls[Index].Text2, Value, 'HostSetVar value');
end;

procedure CheckRunScriptCall(Index: Integer; const Command: RawByteString);
begin
  if IsCall(Index, ckRunScript) then
    CheckBytes(Calls[Index].Text1, Command, 'HostRunScript command');
end;

procedure CheckInterfaceAccessCall(Index: Integer; Code: Integer; const SlotBefore: RawByteString);
begin
  if not IsCall(Index, ckInterfaceAccess) then
    Exit;
  CheckInt(Calls[Index].ID, Code, 'HostInterfaceAccess request code');
  Check(Calls[Index].Address <> nil, 'HostInterfaceAccess slot address');
  CheckBytes(Calls[Index].Text1, SlotBefore, 'HostInterfaceAccess slot text before the answer');
end;

end.
