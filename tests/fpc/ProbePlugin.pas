{ The plug-in as a host written in Delphi sees it: the eight entry points and
  the four callbacks, declared the way such a host declares them, in the
  register calling convention (EAX, EDX, ECX, then the remaining arguments
  pushed in declaration order, popped by the callee). }
unit ProbePlugin;

{$mode delphi}

interface

uses
  ProbeSystem;

type
  PSlot = ^PAnsiChar;  { a host string slot: null or a GlobalAlloc block }

  { The 64-bit test build of the plug-in speaks the platform's own convention
    with the parameter order of its C++ declaration, which lists the three
    stack arguments of HostAddAction in reverse; only the 32-bit build speaks
    the host's convention. }
{$ifdef CPUI386}
  THostAddAction = procedure(ID: Integer; Name, Hint: PAnsiChar; Kinds: PByte; LastKind: Integer;
    Count: Integer); register;
{$else}
  THostAddAction = procedure(ID: Integer; Name, Hint: PAnsiChar; Count: Integer; LastKind: Integer;
    Kinds: PByte); register;
{$endif}
  THostSetVar = procedure(Name, Value: PAnsiChar); register;
  THostRunScript = procedure(Command: PAnsiChar); register;
  THostInterfaceAccess = function(Code: Integer; Slot: PSlot): Boolean; register;

  { Booleans from the plug-in are read as the byte they are, so that a value
    other than 0 or 1 shows. }
  TInitPlugIn = procedure(Ignored: Integer; Title, Publisher, Hint: PSlot); register;
  TRegisterPlugIn = procedure(AddAction: THostAddAction; Ignored2, Ignored3: Integer;
    SetVar: THostSetVar); register;
  TRegisterScriptProcessor = procedure(RunScript: THostRunScript); register;
  TRegisterInterfaceAccess = procedure(InterfaceAccess: THostInterfaceAccess); register;
  TEditAction = function(ID: Integer; Params: PSlot): Byte; register;
  TExecAction = function(ID: Integer; Params: PSlot): Byte; register;
  TMessage = procedure(Code: Integer); register;
  TAbout = procedure; register;

  TEntryPoint = (epInitPlugIn, epRegisterPlugIn, epRegisterScriptProcessor,
    epRegisterInterfaceAccess, epEditAction, epExecAction, epMessage, epAbout);

const
  EntryPointNames: array[TEntryPoint] of PAnsiChar = ('nbInitPlugIn', 'nbRegisterPlugIn',
    'nbRegisterScriptProcessor', 'nbRegisterInterfaceAccess', 'nbEditAction', 'nbExecAction',
    'nbMessage', 'nbAbout');

var
  PluginModule: HMODULE;
  EntryPoints: array[TEntryPoint] of Pointer;
  { The arguments of the entry point being called, in declaration order. Each
    call goes through a routine of its own (CallInitPlugIn ...) that reads
    them from here, so that the disassembly of that routine shows plainly
    which register or stack place each declared argument travels in. }
  CallArgs: array[0..3] of PtrUInt;

{ Loads the library and finds every entry point by name; Missing names the
  first one that is not there. }
function LoadPlugin(FileName: PAnsiChar; out Missing: AnsiString): Boolean;

procedure InitPlugIn(Ignored: Integer; Title, Publisher, Hint: PSlot);
procedure RegisterPlugIn(AddAction: THostAddAction; Ignored2, Ignored3: Integer; SetVar: THostSetVar);
procedure RegisterScriptProcessor(RunScript: THostRunScript);
procedure RegisterInterfaceAccess(InterfaceAccess: THostInterfaceAccess);
function EditAction(ID: Integer; Params: PSlot): Byte;
function ExecAction(ID: Integer; Params: PSlot): Byte;
procedure Message(Code: Integer);
procedure About;

procedure CallInitPlugIn;
procedure CallRegisterPlugIn;
procedure CallRegisterScriptProcessor;
procedure CallRegisterInterfaceAccess;
function CallEditAction: Byte;
function CallExecAction: Byte;
procedure CallMessage;
procedure CallAbout;

implementation

function LoadPlugin(FileName: PAnsiChar; out Missing: AnsiString): Boolean;
var
  Entry: TEntryPoint;
begin
  Missing := '';
  FillChar(EntryPoints, SizeOf(EntryPoints), 0);
  PluginModule := LoadLibraryA(FileName);
  if PluginModule = 0 then
  begin
    Missing := FileName;
    Exit(False);
  end;
  for Entry := Low(TEntryPoint) to High(TEntryPoint) do
  begin
    EntryPoints[Entry] := GetProcAddress(PluginModule, EntryPointNames[Entry]);
    if (EntryPoints[Entry] = nil) and (Missing = '') then
      Missing := EntryPointNames[Entry];
  end;
  Result := Missing = '';
end;

procedure CallInitPlugIn;
begin
  TInitPlugIn(EntryPoints[epInitPlugIn])(Integer(CallArgs[0]), PSlot(CallArgs[1]), PSlot(CallArgs[2]),
    PSlot(CallArgs[3]));
end;

procedure CallRegisterPlugIn;
begin
  TRegisterPlugIn(EntryPoints[epRegisterPlugIn])(THostAddAction(CallArgs[0]), Integer(CallArgs[1]),
    Integer(CallArgs[2]), THostSetVar(CallArgs[3]));
end;

procedure CallRegisterScriptProcessor;
begin
  TRegisterScriptProcessor(EntryPoints[epRegisterScriptProcessor])(THostRunScript(CallArgs[0]));
end;

procedure CallRegisterInterfaceAccess;
begin
  TRegisterInterfaceAccess(EntryPoints[epRegisterInterfaceAccess])(THostInterfaceAccess(CallArgs[0]));
end;

function CallEditAction: Byte;
begin
  Result := TEditAction(EntryPoints[epEditAction])(Integer(CallArgs[0]), PSlot(CallArgs[1]));
end;

function CallExecAction: Byte;
begin
  Result := TExecAction(EntryPoints[epExecAction])(Integer(CallArgs[0]), PSlot(CallArgs[1]));
end;

procedure CallMessage;
begin
  TMessage(EntryPoints[epMessage])(Integer(CallArgs[0]));
end;

procedure CallAbout;
begin
  TAbout(EntryPoints[epAbout])();
end;

procedure SetArgs(A0, A1, A2, A3: PtrUInt);
begin
  CallArgs[0] := A0;
  CallArgs[1] := A1;
  CallArgs[2] := A2;
  CallArgs[3] := A3;
end;

procedure InitPlugIn(Ignored: Integer; Title, Publisher, Hint: PSlot);
begin
  SetArgs(PtrUInt(Ignored), PtrUInt(Title), PtrUInt(Publisher), PtrUInt(Hint));
  CallInitPlugIn;
end;

procedure RegisterPlugIn(AddAction: THostAddAction; Ignored2, Ignored3: Integer; SetVar: THostSetVar);
begin
  SetArgs(0, PtrUInt(Ignored2), PtrUInt(Ignored3), 0);
  Move(AddAction, CallArgs[0], SizeOf(Pointer));
  Move(SetVar, CallArgs[3], SizeOf(Pointer));
  CallRegisterPlugIn;
end;

procedure RegisterScriptProcessor(RunScript: THostRunScript);
begin
  SetArgs(0, 0, 0, 0);
  Move(RunScript, CallArgs[0], SizeOf(Pointer));
  CallRegisterScriptProcessor;
end;

procedure RegisterInterfaceAccess(InterfaceAccess: THostInterfaceAccess);
begin
  SetArgs(0, 0, 0, 0);
  Move(InterfaceAccess, CallArgs[0], SizeOf(Pointer));
  CallRegisterInterfaceAccess;
end;

function EditAction(ID: Integer; Params: PSlot): Byte;
begin
  SetArgs(PtrUInt(ID), PtrUInt(Params), 0, 0);
  Result := CallEditAction;
end;

function ExecAction(ID: Integer; Params: PSlot): Byte;
begin
  SetArgs(PtrUInt(ID), PtrUInt(Params), 0, 0);
  Result := CallExecAction;
end;

procedure Message(Code: Integer);
begin
  SetArgs(PtrUInt(Code), 0, 0, 0);
  CallMessage;
end;

procedure About;
begin
  CallAbout;
end;

end.
