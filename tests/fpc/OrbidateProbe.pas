{ A host written in Free Pascal in Delphi mode, as the real hosts are: it loads
  Orbidate.nbp (beside this program, or the file named on the command line),
  calls every entry point in the register calling convention with distinct
  argument values, and checks every callback the plug-in makes, argument by
  argument. Prints "N passed, N failed"; the exit code is 0 only when nothing
  failed.

  Adding a case: a procedure that sets the host's answer (ProbeHost.Access...),
  calls the entry points, then checks ProbeHost.Calls with RequireCalls and
  CheckSetVarCall, CheckRunScriptCall, CheckInterfaceAccessCall; call it from
  the main block before CheckAbout, which stays last. }
program OrbidateProbe;

{$mode delphi}

uses
  ProbeChecks, ProbeFloatingPoint, ProbeSystem, ProbePlugin, ProbeHost, ProbeCatalogue, ProbeImportPatch, ProbeEvents;

const
  { The values the plug-in ignores, each distinct, so that an argument read
    from the wrong place shows. }
  InitIgnored = Integer($7E570001);
  RegisterIgnored2 = Integer($7E570002);
  RegisterIgnored3 = Integer($7E570003);

  PluginHint = 'Create a calendar with a choice of a period of dates.';

type
  TMemoryCall = record
    Op: AnsiChar;  { 'A' GlobalAlloc, 'F' GlobalFree }
    Flags: LongWord;
    Bytes: PtrUInt;
    Block: Pointer;
  end;
  TGlobalAllocFn = function(Flags: LongWord; Bytes: PtrUInt): Pointer; stdcall;
  TGlobalFreeFn = function(Block: Pointer): Pointer; stdcall;

var
  MemoryCalls: array of TMemoryCall;
  AllocPatch, FreePatch: TImportPatch;

procedure RecordMemory(Op: AnsiChar; Flags: LongWord; Bytes: PtrUInt; Block: Pointer);
var
  I: Integer;
begin
  I := Length(MemoryCalls);
  SetLength(MemoryCalls, I + 1);
  MemoryCalls[I].Op := Op;
  MemoryCalls[I].Flags := Flags;
  MemoryCalls[I].Bytes := Bytes;
  MemoryCalls[I].Block := Block;
end;

function RecordingGlobalAlloc(Flags: LongWord; Bytes: PtrUInt): Pointer; stdcall;
begin
  Result := TGlobalAllocFn(AllocPatch.Original)(Flags, Bytes);
  RecordMemory('A', Flags, Bytes, Result);
end;

function RecordingGlobalFree(Block: Pointer): Pointer; stdcall;
begin
  RecordMemory('F', 0, 0, Block);
  Result := TGlobalFreeFn(FreePatch.Original)(Block);
end;

procedure ReleaseSlot(var Slot: PAnsiChar);
begin
  if Slot <> nil then
    GlobalFree(Slot);
  Slot := nil;
end;

procedure CheckSlot(Slot: PAnsiChar; const Expected: RawByteString; const What: AnsiString);
begin
  CheckText(Slot, Expected, What);
  if Slot <> nil then
    CheckInt(GlobalSize(Slot), Length(TextOf(Slot)) + 1, What + ' block holds the text and its terminator');
end;

procedure CheckInitPlugIn;
var
  Title, Publisher, Hint: PAnsiChar;
  Old: array[0..2] of Pointer;
  Slots: array[0..2] of PAnsiChar;
  I: Integer;
  Patched: Boolean;
begin
  Scope('nbInitPlugIn with null slots');
  Title := nil;
  Publisher := nil;
  Hint := nil;
  ClearCalls;
  InitPlugIn(InitIgnored, @Title, @Publisher, @Hint);
  CheckSlot(Title, 'Orbidate', 'title');
  CheckSlot(Hint, PluginHint, 'hint');
  Check((Publisher <> nil) and (Publisher^ <> #0), 'publisher is a text');
  if Publisher <> nil then
    CheckSlot(Publisher, TextOf(Publisher), 'publisher');
  RequireCalls(0, 'no callback');
  CheckHostWords;
  ReleaseSlot(Title);
  ReleaseSlot(Publisher);
  ReleaseSlot(Hint);

  Scope('nbInitPlugIn over old blocks');
  Slots[0] := NewHostBlock('old title');
  Slots[1] := NewHostBlock('old publisher');
  Slots[2] := NewHostBlock('old hint');
  for I := 0 to 2 do
    Old[I] := Slots[I];
  SetLength(MemoryCalls, 0);
  AllocPatch := PatchImport(PluginModule, 'kernel32.dll', 'GlobalAlloc', @RecordingGlobalAlloc);
  FreePatch := PatchImport(PluginModule, 'kernel32.dll', 'GlobalFree', @RecordingGlobalFree);
  Patched := (AllocPatch.Entry <> nil) and (FreePatch.Entry <> nil);
  Check(Patched, 'the plug-in imports GlobalAlloc and GlobalFree from kernel32.dll');
  InitPlugIn(InitIgnored, @Slots[0], @Slots[1], @Slots[2]);
  RestoreImport(AllocPatch);
  RestoreImport(FreePatch);
  CheckText(Slots[0], 'Orbidate', 'title');
  CheckText(Slots[2], PluginHint, 'hint');
  if Patched then
  begin
    CheckInt(Length(MemoryCalls), 6, 'one GlobalFree and one GlobalAlloc per slot');
    if Length(MemoryCalls) = 6 then
      for I := 0 to 2 do
      begin
        Scope('nbInitPlugIn over old blocks, slot ' + IntText(I));
        Check(MemoryCalls[2 * I].Op = 'F', 'the old block is freed first');
        CheckPtr(MemoryCalls[2 * I].Block, Old[I], 'the block freed is the slot''s old block');
        Check(MemoryCalls[2 * I + 1].Op = 'A', 'then a new block is allocated');
        CheckInt(MemoryCalls[2 * I + 1].Flags, 0, 'fixed memory (flags 0)');
        CheckPtr(MemoryCalls[2 * I + 1].Block, Slots[I], 'the new block is in the slot');
        CheckInt(MemoryCalls[2 * I + 1].Bytes, Length(TextOf(Slots[I])) + 1, 'text length + 1 bytes');
      end;
  end;
  for I := 0 to 2 do
    ReleaseSlot(Slots[I]);
end;

type
  { The buttons of an editor dialog the probe presses. }
  TEditorButtons = record
    Glyphs: array of HWND;  { the owner-drawn picture buttons, in creation order }
    OK: HWND;
  end;
  PEditorButtons = ^TEditorButtons;

var
  EditorDialogSeen: Boolean;

function FindEditorDialog(Window: HWND; Found: PtrInt): LongBool; stdcall;
var
  ClassName: array[0..31] of AnsiChar;
begin
  ClassName[0] := #0;
  GetClassNameA(Window, ClassName, Length(ClassName));
  Result := not (IsWindowVisible(Window) and (TextOf(ClassName) = 'OrbidateFormContainer'));
  if not Result then
    PHWND(Found)^ := Window;
end;

function CollectButton(Window: HWND; Param: PtrInt): LongBool; stdcall;
var
  Buttons: PEditorButtons;
  Text: array[0..15] of AnsiChar;
begin
  Result := True;
  Text[0] := #0;
  GetClassNameA(Window, Text, Length(Text));
  if not IsWindowVisible(Window) or (TextOf(Text) <> 'Button') then
    Exit;
  Buttons := PEditorButtons(Param);
  if GetWindowLongA(Window, GWL_STYLE) and BS_TYPEMASK = BS_OWNERDRAW then
  begin
    SetLength(Buttons^.Glyphs, Length(Buttons^.Glyphs) + 1);
    Buttons^.Glyphs[High(Buttons^.Glyphs)] := Window;
    Exit;
  end;
  Text[0] := #0;
  GetWindowTextA(Window, Text, Length(Text));
  if TextOf(Text) = 'OK' then
    Buttons^.OK := Window;
end;

{ A thread timer, dispatched by the editor's modal loop: presses the object
  button (the host picks "PickedRect" and says true), then the variable
  button (the host writes "[PickedVar]" but says false), then OK. }
procedure PickNames(Window: HWND; Msg: LongWord; Id: PtrUInt; Time: LongWord); stdcall;
var
  Dialog: HWND;
  Buttons: TEditorButtons;
begin
  Dialog := 0;
  EnumThreadWindows(GetCurrentThreadId, FindEditorDialog, PtrInt(@Dialog));
  if Dialog = 0 then
    Exit;
  KillTimer(0, Id);
  EditorDialogSeen := True;
  Buttons.OK := 0;
  EnumChildWindows(Dialog, CollectButton, PtrInt(@Buttons));
  CheckInt(Length(Buttons.Glyphs), 2, 'the rectangle row shows the object and the variable button');
  Check(Buttons.OK <> 0, 'the editor has an OK button');
  if Length(Buttons.Glyphs) >= 2 then
  begin
    AccessResult := True;
    AccessText := 'PickedRect';
    SendMessageA(Buttons.Glyphs[0], BM_CLICK, 0, 0);
    AccessResult := False;
    AccessText := '[PickedVar]';
    SendMessageA(Buttons.Glyphs[1], BM_CLICK, 0, 0);
  end;
  if Buttons.OK <> 0 then
    PostMessageA(Buttons.OK, BM_CLICK, 0, 0)
  else
    PostMessageA(Dialog, WM_CLOSE, 0, 0);
end;

function FreedByPlugin(Block: Pointer): Boolean;
var
  I: Integer;
begin
  Result := False;
  for I := 0 to High(MemoryCalls) do
    if (MemoryCalls[I].Op = 'F') and (MemoryCalls[I].Block = Block) then
      Exit(True);
end;

{ The object and variable buttons of an editor: each asks the host for a name
  in a slot of its own; only a true answer replaces the field. }
procedure CheckNamePickers;
var
  Slots: array[0..3] of PAnsiChar;
  Timer: PtrUInt;
  Patched: Boolean;
  I: Integer;
begin
  Scope('nbEditAction 9, the object and variable buttons');
  FillChar(Slots, SizeOf(Slots), 0);
  Slots[0] := NewHostBlock('Rect1');
  Slots[1] := NewHostBlock('True');
  AccessFills := True;
  EditorDialogSeen := False;
  ClearCalls;
  SetLength(MemoryCalls, 0);
  AllocPatch := PatchImport(PluginModule, 'kernel32.dll', 'GlobalAlloc', @RecordingGlobalAlloc);
  FreePatch := PatchImport(PluginModule, 'kernel32.dll', 'GlobalFree', @RecordingGlobalFree);
  Patched := (AllocPatch.Entry <> nil) and (FreePatch.Entry <> nil);
  Timer := SetTimer(0, 0, 100, PickNames);
  CheckInt(EditAction(9, @Slots[0]), 1, 'is true');
  KillTimer(0, Timer);
  RestoreImport(AllocPatch);
  RestoreImport(FreePatch);
  AccessResult := False;
  AccessFills := False;
  AccessText := '';
  Check(EditorDialogSeen, 'the editor showed');
  if RequireCalls(2, 'asks for an object name, then a variable name') then
  begin
    CheckInterfaceAccessCall(0, 8, 'Rect1');
    CheckInterfaceAccessCall(1, 14, 'PickedRect');
    Check(Patched, 'the plug-in imports GlobalAlloc and GlobalFree from kernel32.dll');
    for I := 0 to 1 do
    begin
      Check(Calls[I].Address <> @Slots[0], 'request ' + IntText(Calls[I].ID) + ' gets a slot of its own');
      if Patched then
        Check(FreedByPlugin(Calls[I].Answer), 'the plug-in releases the block the host answered request ' +
          IntText(Calls[I].ID) + ' with');
    end;
  end;
  CheckSlot(Slots[0], 'PickedRect', 'slot 0 (the false answer to the variable request left the object name)');
  CheckSlot(Slots[1], 'True', 'slot 1');
  CheckHostWords;
  for I := 0 to High(Slots) do
    ReleaseSlot(Slots[I]);
end;

procedure CheckCatalogueCalls(const What: AnsiString);
var
  I: Integer;
  Expected: TExpectedAction;
  Hint: RawByteString;
  Converted: Boolean;
begin
  Scope(What);
  if not RequireCalls(Length(ExpectedActions), 'one HostAddAction per catalogue entry') then
    Exit;
  for I := 0 to High(ExpectedActions) do
  begin
    Expected := ExpectedActions[I];
    Scope(What + ', HostAddAction call ' + IntText(I + 1) + ' (' + Expected.Name + ')');
    if Calls[I].Kind <> ckAddAction then
    begin
      Check(False, 'is HostAddAction, got ' + CallKindName(Calls[I].Kind));
      Continue;
    end;
    CheckInt(Calls[I].ID, Expected.ID, 'id');
    CheckBytes(Calls[I].Text1, Expected.Name, 'name');
    Hint := Cp1251FromUtf8(Expected.Hint, Converted);
    Check(Converted, 'the expected hint converts to Windows-1251');
    CheckBytes(Calls[I].Text2, Hint, 'hint');
    CheckInt(Calls[I].Count, Length(Expected.Kinds), 'count');
    CheckInt(Calls[I].LastKind, Length(Expected.Kinds) - 1, 'last kind index');
    CheckBytes(Calls[I].Kinds, Expected.Kinds, 'kind bytes');
    if Length(Expected.Kinds) > 0 then
      Check(Calls[I].Address <> nil, 'kinds address');
  end;
end;

procedure CheckRegistration;
begin
  ClearCalls;
  RegisterPlugIn(AddActionCallback(), RegisterIgnored2, RegisterIgnored3, HostSetVar);
  CheckCatalogueCalls('nbRegisterPlugIn');
  Scope('nbRegisterPlugIn');
  CheckHostWords;
  { A second registration repeats the work. }
  ClearCalls;
  RegisterPlugIn(AddActionCallback(), RegisterIgnored3, RegisterIgnored2, HostSetVar);
  CheckCatalogueCalls('nbRegisterPlugIn again');
  Scope('nbRegisterScriptProcessor, nbRegisterInterfaceAccess');
  ClearCalls;
  RegisterScriptProcessor(HostRunScript);
  RegisterInterfaceAccess(HostInterfaceAccess);
  RequireCalls(0, 'no callback');
end;

procedure CheckIdsOutsideTheCatalogue;
const
  Ids: array[0..3] of Integer = (0, 21, -1, $10001);
var
  Params: array[0..3] of PAnsiChar;
  Before: array[0..3] of PAnsiChar;
  I, J: Integer;
begin
  Params[0] := NewHostBlock('Rect1');
  Params[1] := nil;
  Params[2] := NewHostBlock('second');
  Params[3] := NewHostBlock('third');
  for I := 0 to 3 do
    Before[I] := Params[I];
  ClearCalls;
  for I := 0 to High(Ids) do
  begin
    Scope('id ' + IntText(Ids[I]));
    CheckInt(EditAction(Ids[I], @Params[0]), 0, 'nbEditAction is false');
    CheckInt(ExecAction(Ids[I], @Params[0]), 0, 'nbExecAction is false');
    for J := 0 to 3 do
      CheckPtr(Params[J], Before[J], 'slot ' + IntText(J) + ' untouched');
    CheckText(Params[0], 'Rect1', 'slot 0 text');
    CheckText(Params[2], 'second', 'slot 2 text');
    RequireCalls(0, 'no callback');
    CheckHostWords;
  end;
  for I := 0 to 3 do
    ReleaseSlot(Params[I]);
end;

procedure CheckMessages;
const
  Codes: array[0..4] of Integer = (1, 3, 2, 2, 0);
var
  I: Integer;
begin
  ClearCalls;
  for I := 0 to High(Codes) do
  begin
    Scope('nbMessage ' + IntText(Codes[I]));
    Message(Codes[I]);
    RequireCalls(0, 'no callback');
    CheckHostWords;
  end;
end;

function CloseVisibleWindow(Window: HWND; Param: PtrInt): LongBool; stdcall;
begin
  if IsWindowVisible(Window) then
    PostMessageA(Window, WM_CLOSE, 0, 0);
  Result := True;
end;

{ While the about box is up, a thread timer (dispatched by its modal loop)
  closes every visible window of this thread. }
procedure CloseAboutBox(Window: HWND; Msg: LongWord; Id: PtrUInt; Time: LongWord); stdcall;
begin
  EnumThreadWindows(GetCurrentThreadId, CloseVisibleWindow, 0);
end;

procedure CheckAbout;
var
  Timer: PtrUInt;
begin
  Scope('nbAbout');
  ClearCalls;
  Timer := SetTimer(0, 0, 300, CloseAboutBox);
  About;
  if Timer <> 0 then
    KillTimer(0, Timer);
  Check(True, 'returns');
  RequireCalls(0, 'no callback');
  CheckHostWords;
end;

var
  FileName: AnsiString;
  Missing: AnsiString;
  Entry: TEntryPoint;
begin
  if ParamCount >= 1 then
    FileName := ParamStr(1)
  else
    FileName := 'Orbidate.nbp';
  UseDelphiWords;
  HostWords := CurrentWords;
  Scope('');
  { Bit 6 of the x87 control word is reserved and may read as set. }
  CheckInt(HostWords.X87 and $1F3F, DelphiX87, 'the probe runs with the x87 control word of a Delphi host');
  if not LoadPlugin(PAnsiChar(FileName), Missing) then
  begin
    if PluginModule = 0 then
      Check(False, 'LoadLibrary ' + FileName + ' (error ' + IntText(GetLastError) + ')')
    else
      Check(False, 'entry point ' + Missing + ' exported by name');
    Halt(Summary);
  end;
  for Entry := Low(TEntryPoint) to High(TEntryPoint) do
    Check(EntryPoints[Entry] <> nil, EntryPointNames[Entry] + ' exported by name');
  CheckInitPlugIn;
  CheckRegistration;
  CheckIdsOutsideTheCatalogue;
  CheckMessages;
  CheckTypicalRun;
  CheckColorBox;
  CheckNamePickers;
  CheckAbout;
  Scope('');
  Halt(Summary);
end.
