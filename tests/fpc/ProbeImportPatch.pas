{ Replaces one imported function of a loaded module by rewriting its entry in
  the module's import address table, so that the probe sees the plug-in's
  own GlobalAlloc and GlobalFree calls. }
unit ProbeImportPatch;

{$mode delphi}

interface

uses
  ProbeSystem;

type
  TImportPatch = record
    Entry: PPointer;     { the import address table entry, nil when not found }
    Original: Pointer;
  end;

{ Finds Func imported from Dll (names compared without case) and points it at
  Replacement. }
function PatchImport(Module: HMODULE; const Dll, Func: AnsiString; Replacement: Pointer): TImportPatch;
procedure RestoreImport(var Patch: TImportPatch);

implementation

function SameName(P: PAnsiChar; const Name: AnsiString): Boolean;
var
  I: Integer;
begin
  for I := 1 to Length(Name) do
  begin
    if UpCase(P^) <> UpCase(Name[I]) then
      Exit(False);
    Inc(P);
  end;
  Result := P^ = #0;
end;

function WriteEntry(Entry: PPointer; Value: Pointer): Boolean;
var
  Old, Ignored: LongWord;
begin
  Result := VirtualProtect(Entry, SizeOf(Pointer), PAGE_READWRITE, @Old);
  if not Result then
    Exit;
  Entry^ := Value;
  VirtualProtect(Entry, SizeOf(Pointer), Old, @Ignored);
end;

function PatchImport(Module: HMODULE; const Dll, Func: AnsiString; Replacement: Pointer): TImportPatch;
const
  OrdinalFlag = PtrUInt(1) shl (SizeOf(PtrUInt) * 8 - 1);
var
  Nt, Optional: PtrUInt;
  ImportRva: LongWord;
  Descriptor: PLongWord;  { OriginalFirstThunk, TimeDateStamp, ForwarderChain, Name, FirstThunk }
  Names, Thunks: PPtrUInt;
begin
  Result.Entry := nil;
  Result.Original := nil;
  if (Module = 0) or (PWord(Module)^ <> $5A4D) then
    Exit;
  Nt := Module + PLongWord(Module + $3C)^;
  if PLongWord(Nt)^ <> $00004550 then
    Exit;
  Optional := Nt + 24;
  { The import directory is entry 1 of the data directories. }
  if PWord(Optional)^ = $20B then
    ImportRva := PLongWord(Optional + 112 + 8)^
  else
    ImportRva := PLongWord(Optional + 96 + 8)^;
  if ImportRva = 0 then
    Exit;
  Descriptor := PLongWord(Module + ImportRva);
  while Descriptor[3] <> 0 do
  begin
    if SameName(PAnsiChar(Module + Descriptor[3]), Dll) and (Descriptor[0] <> 0) then
    begin
      Names := PPtrUInt(Module + Descriptor[0]);
      Thunks := PPtrUInt(Module + Descriptor[4]);
      while Names^ <> 0 do
      begin
        if (Names^ and OrdinalFlag = 0) and SameName(PAnsiChar(Module + Names^ + 2), Func) then
        begin
          Result.Original := PPointer(Thunks)^;
          if WriteEntry(PPointer(Thunks), Replacement) then
            Result.Entry := PPointer(Thunks);
          Exit;
        end;
        Inc(Names);
        Inc(Thunks);
      end;
    end;
    Inc(Descriptor, 5);
  end;
end;

procedure RestoreImport(var Patch: TImportPatch);
begin
  if Patch.Entry <> nil then
    WriteEntry(Patch.Entry, Patch.Original);
  Patch.Entry := nil;
end;

end.
