{ The few system functions the probe calls, declared here so that the probe
  needs no unit beyond the system unit. }
unit ProbeSystem;

{$mode delphi}

interface

type
  HMODULE = PtrUInt;
  HWND = PtrUInt;
  PHWND = ^HWND;
  TTimerProc = procedure(Window: HWND; Msg: LongWord; Id: PtrUInt; Time: LongWord); stdcall;
  TEnumWindowsProc = function(Window: HWND; Param: PtrInt): LongBool; stdcall;
  TSystemTime = record
    Year, Month, DayOfWeek, Day, Hour, Minute, Second, Milliseconds: Word;
  end;
  TRect = record
    Left, Top, Right, Bottom: LongInt;
  end;

const
  PAGE_READWRITE = 4;
  WM_CLOSE = $0010;
  WM_COMMAND = $0111;
  WM_LBUTTONDOWN = $0201;
  WM_LBUTTONUP = $0202;
  WM_USER = $0400;
  MK_LBUTTON = 1;
  IDOK = 1;
  IDCANCEL = 2;
  BM_CLICK = $00F5;
  BS_TYPEMASK = $000F;
  BS_OWNERDRAW = $000B;
  GWL_STYLE = -16;
  GW_CHILD = 5;
  WS_OVERLAPPEDWINDOW = $00CF0000;
  WS_CHILD = $40000000;
  WS_VISIBLE = $10000000;
  WS_CLIPCHILDREN = $02000000;
  LOCALE_USER_DEFAULT = $0400;
  DATE_SHORTDATE = 1;

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
procedure GetLocalTime(out Time: TSystemTime); stdcall; external 'kernel32.dll';
function GetDateFormatA(Locale, Flags: LongWord; const Date: TSystemTime; Format, Buffer: PAnsiChar;
  Size: Integer): Integer; stdcall; external 'kernel32.dll';

function SetTimer(Window: HWND; Id: PtrUInt; Elapse: LongWord; Proc: TTimerProc): PtrUInt;
  stdcall; external 'user32.dll';
function KillTimer(Window: HWND; Id: PtrUInt): LongBool; stdcall; external 'user32.dll';
function EnumThreadWindows(Thread: LongWord; Proc: TEnumWindowsProc; Param: PtrInt): LongBool;
  stdcall; external 'user32.dll';
function IsWindowVisible(Window: HWND): LongBool; stdcall; external 'user32.dll';
function PostMessageA(Window: HWND; Msg: LongWord; WParam: PtrUInt; LParam: PtrInt): LongBool;
  stdcall; external 'user32.dll';
function SendMessageA(Window: HWND; Msg: LongWord; WParam: PtrUInt; LParam: PtrInt): PtrInt;
  stdcall; external 'user32.dll';
function CreateWindowExA(ExStyle: LongWord; ClassName, Title: PAnsiChar; Style: LongWord;
  X, Y, Width, Height: Integer; Parent: HWND; Menu: PtrUInt; Instance: HMODULE; Param: Pointer): HWND;
  stdcall; external 'user32.dll';
function DestroyWindow(Window: HWND): LongBool; stdcall; external 'user32.dll';
function GetWindow(Window: HWND; Relation: LongWord): HWND; stdcall; external 'user32.dll';
function GetClassNameA(Window: HWND; Buffer: PAnsiChar; Size: Integer): Integer; stdcall; external 'user32.dll';
function EnumChildWindows(Parent: HWND; Proc: TEnumWindowsProc; Param: PtrInt): LongBool; stdcall;
  external 'user32.dll';
function GetWindowLongA(Window: HWND; Index: Integer): LongInt; stdcall; external 'user32.dll';
function GetWindowTextA(Window: HWND; Buffer: PAnsiChar; Size: Integer): Integer; stdcall; external 'user32.dll';
function SetDlgItemTextA(Dialog: HWND; Id: Integer; Text: PAnsiChar): LongBool; stdcall; external 'user32.dll';

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
