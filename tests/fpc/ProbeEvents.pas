{ The callbacks the plug-in makes at run time, on its own initiative: a day
  clicked in a calendar the host had it embed in a rectangle, and the colour
  picker confirmed or cancelled. }
unit ProbeEvents;

{$mode delphi}

interface

{ Embeds a calendar, binds its day event, clicks today with real mouse
  messages, then lets message 2 remove the calendar. }
procedure CheckTypicalRun;
{ The colour picker, confirmed with a typed colour and then cancelled. }
procedure CheckColorBox;

implementation

uses
  ProbeChecks, ProbeSystem, ProbePlugin, ProbeHost;

const
  { The calendar control answers this with the cell of a day it shows:
    wParam the day's number (days since 1970-01-01), lParam a TRect. }
  CalendarGetDayRect = WM_USER + $120;
  { The red, green and blue fields of the standard colour dialog. }
  ColorRedField = 706;
  ColorGreenField = 707;
  ColorBlueField = 708;

{ nbExecAction with a fresh host block per text; the blocks are released
  afterwards. The result is the byte the plug-in answered. }
function ExecWith(ID: Integer; const Texts: array of RawByteString): Byte;
var
  Slots: array[0..3] of PAnsiChar;
  I: Integer;
begin
  FillChar(Slots, SizeOf(Slots), 0);
  for I := 0 to High(Texts) do
    Slots[I] := NewHostBlock(Texts[I]);
  Result := ExecAction(ID, @Slots[0]);
  for I := 0 to High(Slots) do
    if Slots[I] <> nil then
      GlobalFree(Slots[I]);
end;

{ Days since 1970-01-01 of a date of the Gregorian calendar. }
function DayNumber(Year, Month, Day: Integer): Integer;
var
  Era, YearOfEra, DayOfYear: Integer;
begin
  { Years counted from March, so that the leap day ends the year. }
  if Month <= 2 then
  begin
    Dec(Year);
    Inc(Month, 9);
  end
  else
    Dec(Month, 3);
  Era := Year div 400;
  YearOfEra := Year - Era * 400;
  DayOfYear := (153 * Month + 2) div 5 + Day - 1;
  Result := Era * 146097 + YearOfEra * 365 + YearOfEra div 4 - YearOfEra div 100 + DayOfYear - 719468;
end;

{ The date as the user's short date format writes it, by the system itself. }
function ShortDate(const Date: TSystemTime): RawByteString;
var
  Buffer: array[0..79] of AnsiChar;
begin
  Buffer[0] := #0;
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, Date, nil, Buffer, Length(Buffer));
  Result := TextOf(Buffer);
end;

function PointParam(X, Y: LongInt): PtrInt;
begin
  Result := PtrInt((Y and $FFFF) shl 16) or (X and $FFFF);
end;

procedure CheckTypicalRun;
var
  HostWindow, Rectangle, Calendar, Control: HWND;
  Today: TSystemTime;
  Cell: TRect;
  X, Y: LongInt;
begin
  Scope('typical run');
  HostWindow := CreateWindowExA(0, 'STATIC', 'Probe host', WS_OVERLAPPEDWINDOW or WS_VISIBLE or WS_CLIPCHILDREN,
    10, 10, 640, 480, 0, 0, 0, nil);
  Rectangle := CreateWindowExA(0, 'STATIC', 'Rect1', WS_CHILD or WS_VISIBLE or WS_CLIPCHILDREN,
    20, 20, 240, 220, HostWindow, 0, 0, nil);
  Check((HostWindow <> 0) and (Rectangle <> 0), 'the host window and its rectangle exist');

  Scope('typical run: nbExecAction 1 (Create)');
  AccessResult := True;
  AccessFills := True;
  AccessText := IntText(PtrInt(Rectangle));
  ClearCalls;
  CheckInt(ExecWith(1, ['Rect1', 'Create', 'Mo|Tu|We|Th|Fr|Sa|Su']), 1, 'is true');
  if RequireCalls(1, 'asks for the rectangle''s window') then
    CheckInterfaceAccessCall(0, 7, 'Rect1');
  CheckHostWords;
  AccessResult := False;
  AccessFills := False;
  AccessText := '';
  Calendar := GetWindow(Rectangle, GW_CHILD);
  Check(Calendar <> 0, 'the rectangle holds the calendar window');

  Scope('typical run: nbExecAction 10 (bind the day event)');
  ClearCalls;
  CheckInt(ExecWith(10, ['Rect1', 'Day Chosen', 'Dates']), 1, 'is true');
  RequireCalls(0, 'no callback');
  CheckHostWords;

  Scope('typical run: a click on today');
  Control := 0;
  if Calendar <> 0 then
    Control := GetWindow(Calendar, GW_CHILD);
  Check(Control <> 0, 'the calendar window holds the month control');
  GetLocalTime(Today);
  FillChar(Cell, SizeOf(Cell), 0);
  if (Control <> 0) and (SendMessageA(Control, CalendarGetDayRect, PtrUInt(DayNumber(Today.Year, Today.Month,
    Today.Day)), PtrInt(@Cell)) <> 0) then
  begin
    X := (Cell.Left + Cell.Right) div 2;
    Y := (Cell.Top + Cell.Bottom) div 2;
    ClearCalls;
    SendMessageA(Control, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(X, Y));
    SendMessageA(Control, WM_LBUTTONUP, 0, PointParam(X, Y));
    if RequireCalls(2, 'the variable, then the subroutine') then
    begin
      CheckSetVarCall(0, 'Dates', ShortDate(Today));
      CheckRunScriptCall(1, 'GoSub "Day Chosen"');
    end;
    CheckHostWords;
  end
  else
    Check(False, 'the month control shows today');

  Scope('typical run: nbMessage 2');
  ClearCalls;
  Message(2);
  Check(GetWindow(Rectangle, GW_CHILD) = 0, 'the rectangle holds no window any more');
  RequireCalls(0, 'no callback');
  CheckHostWords;
  DestroyWindow(HostWindow);
end;

var
  { How the colour dialog is answered, and whether it was. }
  ColorAnswer: Integer;
  ColorDialogSeen: Boolean;

function IsColorDialog(Window: HWND): Boolean;
var
  ClassName: array[0..15] of AnsiChar;
begin
  ClassName[0] := #0;
  GetClassNameA(Window, ClassName, Length(ClassName));
  Result := IsWindowVisible(Window) and (TextOf(ClassName) = '#32770');
end;

function FindColorDialog(Window: HWND; Found: PtrInt): LongBool; stdcall;
begin
  Result := not IsColorDialog(Window);
  if not Result then
    PHWND(Found)^ := Window;
end;

{ A thread timer, dispatched by the dialog's modal loop: once the dialog is
  up, fills it in when confirming, and presses the button. }
procedure AnswerColorDialog(Window: HWND; Msg: LongWord; Id: PtrUInt; Time: LongWord); stdcall;
var
  Dialog: HWND;
begin
  Dialog := 0;
  EnumThreadWindows(GetCurrentThreadId, FindColorDialog, PtrInt(@Dialog));
  if Dialog = 0 then
    Exit;
  KillTimer(0, Id);
  ColorDialogSeen := True;
  if ColorAnswer = IDOK then
  begin
    SetDlgItemTextA(Dialog, ColorRedField, '255');
    SetDlgItemTextA(Dialog, ColorGreenField, '128');
    SetDlgItemTextA(Dialog, ColorBlueField, '0');
  end;
  PostMessageA(Dialog, WM_COMMAND, ColorAnswer, 0);
end;

function RunColorBox(Answer: Integer): Byte;
var
  Timer: PtrUInt;
begin
  ColorAnswer := Answer;
  ColorDialogSeen := False;
  ClearCalls;
  Timer := SetTimer(0, 0, 100, AnswerColorDialog);
  Result := ExecWith(19, ['Chosen']);
  KillTimer(0, Timer);
  Check(ColorDialogSeen, 'the colour dialog showed');
end;

procedure CheckColorBox;
begin
  Scope('nbExecAction 19, confirmed');
  CheckInt(RunColorBox(IDOK), 1, 'is true');
  if RequireCalls(1, 'writes the colour') then
    CheckSetVarCall(0, 'Chosen', '255,128,0');
  CheckHostWords;

  Scope('nbExecAction 19, cancelled');
  CheckInt(RunColorBox(IDCANCEL), 1, 'is true');
  RequireCalls(0, 'no callback');
  CheckHostWords;
end;

end.
