{ The few system functions the probe calls, declared here so that the probe
  needs no unit beyond the system unit. }
unit ProbeSystem;

{$mode delphi}

interface

type
  HMODULE = PtrUInt;
  HWND = PtrUInt;
  TTimerProc = procedure(Window: HWND; Msg: LongWord; Id: PtrUInt; Time: LongWord); stdcall;
  TEnumWindowsProc = function(Window: HWND; Param: PtrInt): LongBool; stdcall;

const
  PAGE_READWRITE = 4;
  WM_CLOSE = $0010;

function LoadLibraryA(Name: PAnsiChar): HMODULE; stdcall; external 'kernel32.dll';
function FreeLibrary(Module: HMODULE): LongBool; stdcall; external 'kernel32.dll';
function GetProcAddress(Module: HMODULE; Name: PAnsiChar): Pointer; stdcall; external 'kernel32.dll';
function GetLastError: LongWord; stdcall; external 'kernel32.dll';
function GlobalAlloc(Flags: LongWord; Bytes: PtrUInt): Pointer; stdcall; external 'kernel32.dll';
function GlobalFree(Block: Pointer): Pointer; stdcall; external 'kernel32.dll';
function GlobalSize(Block: Pointer): PtrUInt; stdcall; external 'kernel32.dll';
function VirtualProtect(Address: Pointer; Size: PtrUInt; Protect: LongWord; OldProtect: PLongWord): LongBool;
  stdcall; external 'kernel32.dll';
function GetCurrentThreadId: LongWord; stdcall; external 'kernel32.dll';

function SetTimer(Window: HWND; Id: PtrUInt; Elapse: LongWord; Proc: TTimerProc): PtrUInt;
  stdcall; external 'user32.dll';
function KillTimer(Window: HWND; Id: PtrUInt): LongBool; stdcall; external 'user32.dll';
function EnumThreadWindows(Thread: LongWord; Proc: TEnumWindowsProc; Param: PtrInt): LongBool;
  stdcall; external 'user32.dll';
function IsWindowVisible(Window: HWND): LongBool; stdcall; external 'user32.dll';
function PostMessageA(Window: HWND; Msg: LongWord; WParam: PtrUInt; LParam: PtrInt): LongBool;
  stdcall; external 'user32.dll';

{ A block as the host makes one for a slot: fixed global memory holding the
  text and its terminator. }
function NewHostBlock(const Text: RawByteString): PAnsiChar;

implementation

function NewHostBlock(const Text: RawByteString): PAnsiChar;
begin
  Result := GlobalAlloc(0, Length(Text) + 1);
  if Result = nil then
    Exit;
  if Length(Text) > 0 then
    Move(Text[1], Result^, Length(Text));
  Result[Length(Text)] := #0;
end;

end.
