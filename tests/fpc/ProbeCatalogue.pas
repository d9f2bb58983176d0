{ The catalogue as the host must receive it: the 22 HostAddAction calls in
  order, with the default hints. The hints are written here in UTF-8 and
  turned into the Windows-1251 bytes the plug-in hands over. }
unit ProbeCatalogue;

{$mode delphi}

interface

type
  TExpectedAction = record
    ID: Integer;
    Name: RawByteString;
    Kinds: RawByteString;  { one byte per parameter }
    Hint: RawByteString;   { UTF-8 }
  end;

const
  ExpectedActions: array[0..21] of TExpectedAction = (
    (ID: 0; Name: 'Orbidate'; Kinds: '';
     Hint: ''),
    (ID: 1; Name: 'OrbidateCreate'; Kinds: #1#1#1;
     Hint: 'Создать или удалить Orbidate, обозначить короткими названиями дни недели календаря.'),
    (ID: 2; Name: 'OrbidateNameMounths'; Kinds: #1#1;
     Hint: 'Назначить короткие названия месяцев календаря.'),
    (ID: 3; Name: 'OrbidateFont'; Kinds: #1#1;
     Hint: 'Установить шрифт заголовка календаря.'),
    (ID: 4; Name: 'OrbidateDayFont'; Kinds: #1#1;
     Hint: 'Установить шрифт дней календаря.'),
    (ID: 5; Name: 'OrbiFontSelColor'; Kinds: #1#1;
     Hint: 'Установить цвет шрифта выбранного периода дат на календаре.'),
    (ID: 6; Name: 'OrbiDateSelColor'; Kinds: #1#1;
     Hint: 'Установить цвет фона выбранного периода дат на календаре.'),
    (ID: 7; Name: 'OrbiFieldColor'; Kinds: #1#1#1#1;
     Hint: 'Установить градиентный цвет поля календаря.'),
    (ID: 8; Name: 'OrbiHeaderColor'; Kinds: #1#1#1#1;
     Hint: 'Установить градиентный цвет заголовка календаря.'),
    (ID: 9; Name: 'OrbiMultiSelect'; Kinds: #1#1;
     Hint: 'Установить множественный выбор дат (Default - False).'),
    (ID: 10; Name: 'OrbidateGetDate'; Kinds: #1#6#6;
     Hint: 'Получить в переменную результат выбора (выбор календаря) и выполнить подпрограмму при выборе даты.'),
    (ID: 11; Name: 'OrbidateSetMonth'; Kinds: #1#1;
     Hint: 'Открыть календарь на указанном месяце.'),
    (ID: 12; Name: 'OrbidateSetYear'; Kinds: #1#1;
     Hint: 'Открыть календарь на указанном годе.'),
    (ID: 13; Name: 'OrbiWeekEndColor'; Kinds: #1#1;
     Hint: 'Установить цвет шрифта нерабочих дней.'),
    (ID: 14; Name: 'OrbiStartDay'; Kinds: #1#3;
     Hint: 'Установить день начала недели на календаре.'),
    (ID: 15; Name: 'OrbiInActiveDay'; Kinds: #1#1#1;
     Hint: 'Установить выходные и рабочие дни.'),
    (ID: 16; Name: 'OrbiSubMonthSelect'; Kinds: #1#6;
     Hint: 'Выполнить подпрограмму при выборе месяца.'),
    (ID: 17; Name: 'OrbiSubYearSelect'; Kinds: #1#6;
     Hint: 'Выполнить подпрограмму при выборе года.'),
    (ID: 18; Name: 'OrbiSubRightClick'; Kinds: #1#6;
     Hint: 'Выполнить подпрограмму при правом клике мышкой по календарю.'),
    (ID: 0; Name: 'Dialogs'; Kinds: '';
     Hint: ''),
    (ID: 19; Name: 'OrbiColorBox'; Kinds: #6;
     Hint: 'Вызвать окно диалога выбора цвета, выбрать цвет и сохранить его в переменной.'),
    (ID: 20; Name: 'OrbiFontBox'; Kinds: #6;
     Hint: 'Вызвать окно диалога выбора шрифта, выбрать шрифт и сохранить его в переменной.'));

{ The Windows-1251 bytes of a UTF-8 text made of ASCII and Cyrillic letters;
  Ok turns false on any other character. }
function Cp1251FromUtf8(const Utf8: RawByteString; out Ok: Boolean): RawByteString;

implementation

function Cp1251FromUtf8(const Utf8: RawByteString; out Ok: Boolean): RawByteString;
var
  I: Integer;
  CodePoint: Integer;
begin
  Result := '';
  Ok := True;
  I := 1;
  while I <= Length(Utf8) do
  begin
    if Ord(Utf8[I]) < $80 then
    begin
      Result := Result + Utf8[I];
      Inc(I);
      Continue;
    end;
    if (I = Length(Utf8)) or (Ord(Utf8[I]) and $E0 <> $C0) or (Ord(Utf8[I + 1]) and $C0 <> $80) then
    begin
      Ok := False;
      Exit;
    end;
    CodePoint := (Ord(Utf8[I]) and $1F) shl 6 or (Ord(Utf8[I + 1]) and $3F);
    Inc(I, 2);
    case CodePoint of
      $0410..$044F: Result := Result + AnsiChar(CodePoint - $0410 + $C0);
      $0401: Result := Result + #$A8;
      $0451: Result := Result + #$B8;
    else
      Ok := False;
      Exit;
    end;
  end;
end;

end.
