{ The floating-point control words of the probe. A Delphi host runs with the
  x87 exceptions for invalid operation, zero divide and overflow unmasked
  ($1332) and likewise in MXCSR ($1900); the probe does the same, so that it
  sees whether the plug-in gives these words back after every entry point and
  lets every callback run under them. }
unit ProbeFloatingPoint;

{$mode delphi}

interface

type
  TFloatingPointWords = record
    X87: Word;
    Mxcsr: LongWord;  { 0 where the processor has no SSE }
  end;

const
  DelphiX87 = $1332;
  DelphiMxcsr = $1900;

procedure UseDelphiWords;
function CurrentWords: TFloatingPointWords;
function SameWords(const A, B: TFloatingPointWords): Boolean;

implementation

function HasSse: Boolean;
begin
{$ifdef CPUI386}
  Result := has_sse_support;
{$else}
  Result := True;
{$endif}
end;

procedure UseDelphiWords;
begin
  Set8087CW(DelphiX87);
  if HasSse then
    SetMXCSR(DelphiMxcsr);
end;

function CurrentWords: TFloatingPointWords;
begin
  Result.X87 := Get8087CW;
  if HasSse then
    Result.Mxcsr := GetMXCSR
  else
    Result.Mxcsr := 0;
end;

{ The control parts: MXCSR's low six bits are sticky status flags, which the
  probe's own floating-point code may set between two readings. }
function SameWords(const A, B: TFloatingPointWords): Boolean;
begin
  Result := (A.X87 = B.X87) and ((A.Mxcsr and $FFC0) = (B.Mxcsr and $FFC0));
end;

end.
