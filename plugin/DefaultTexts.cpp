// The built-in texts shown to the author, by localization code. This file is
// compiled with the execution character set Windows-1251, so the texts land in
// the binary in the code page the host shows them in.
#include "plugin/DefaultTexts.h"

#include <array>

namespace orbidate {
namespace {

constexpr std::array<LocalizedText, kLocalizationCodeCount> kDefaultTexts = {{
    {"000*", "True\\False:"},  // editor of action 15: label of the yes/no choice
    {"001*", "Прямоугольник:"},  // editors of actions 1 to 18: label of the rectangle field
    {"002*", "Создать/Удалить:"},  // editor of action 1: label of the operation choice
    {"003*", "Сокращённые имена дней недели:"},  // editor of action 1: label of the day-name grid
    {"004*", "Понедельник"},  // editor of action 1: full name of Monday in the day-name grid
    {"005*", "Вторник"},  // editor of action 1: full name of Tuesday in the day-name grid
    {"006*", "Среда"},  // editor of action 1: full name of Wednesday in the day-name grid
    {"007*", "Четверг"},  // editor of action 1: full name of Thursday in the day-name grid
    {"008*", "Пятница"},  // editor of action 1: full name of Friday in the day-name grid
    {"009*", "Суббота"},  // editor of action 1: full name of Saturday in the day-name grid
    {"010*", "Воскресенье"},  // editor of action 1: full name of Sunday in the day-name grid
    {"011*", "Создать или удалить объект, назначить короткие названия дней календаря."},  // editor of action 1: information line
    {"012*", "Сокращённые имена месяцев (опционально):"},  // editor of action 2: label of the month-name grid
    {"013*", "Январь"},  // editor of action 2: full name of January in the month-name grid
    {"014*", "Февраль"},  // editor of action 2: full name of February in the month-name grid
    {"015*", "Март"},  // editor of action 2: full name of March in the month-name grid
    {"016*", "Апрель"},  // editor of action 2: full name of April in the month-name grid
    {"017*", "Май"},  // editor of action 2: full name of May in the month-name grid
    {"018*", "Июнь"},  // editor of action 2: full name of June in the month-name grid
    {"019*", "Июль"},  // editor of action 2: full name of July in the month-name grid
    {"020*", "Август"},  // editor of action 2: full name of August in the month-name grid
    {"021*", "Сентябрь"},  // editor of action 2: full name of September in the month-name grid
    {"022*", "Октябрь"},  // editor of action 2: full name of October in the month-name grid
    {"023*", "Ноябрь"},  // editor of action 2: full name of November in the month-name grid
    {"024*", "Декабрь"},  // editor of action 2: full name of December in the month-name grid
    {"025*", "Назначить короткие названия месяцев календаря."},  // editor of action 2: information line
    {"026*", "Шрифт заголовка календаря:"},  // editor of action 3: label of the font field
    {"027*", "Установить шрифт заголовка календаря."},  // editor of action 3: information line
    {"028*", "Шрифт календаря:"},  // editor of action 4: label of the font field
    {"029*", "Установить шрифт дней календаря."},  // editor of action 4: information line
    {"030*", "Цвет:"},  // editors of actions 5, 6 and 13: label of the colour field
    {"031*", "Установить цвет шрифта выбранного периода дат на календаре."},  // editor of action 5: information line
    {"032*", "Установить цвет фона выбранного периода дат на календаре."},  // editor of action 6: information line
    {"033*", "1 цвет:"},  // editors of actions 7 and 8: label of the first colour
    {"034*", "2 цвет:"},  // editors of actions 7 and 8: label of the second colour
    {"035*", "Направление градиента:"},  // editors of actions 7 and 8: label of the direction choice
    {"036*", "Установить градиентный цвет поля календаря."},  // editor of action 7: information line
    {"037*", "Установить градиентный цвет заголовка календаря."},  // editor of action 8: information line
    {"038*", "Множественный выбор:"},  // editor of action 9: label of the yes/no choice
    {"039*", "Установить множественный выбор дат (Default - False)."},  // editor of action 9: information line
    {"040*", "Подпрограмма при выборе даты:"},  // editor of action 10: label of the subroutine field
    {"041*", "Переменная для выбранной даты:"},  // editor of action 10: label of the variable field
    {"042*", "Получить в переменную результат выбора (выбор календаря) и выполнить подпрограмму при выборе даты."},  // editor of action 10: information line
    {"043*", "Месяц:"},  // editor of action 11: label of the month choice
    {"044*", "Открыть календарь на указанном месяце."},  // editor of action 11: information line
    {"045*", "Год (1800 - 3000):"},  // editor of action 12: label of the year field
    {"046*", "Открыть календарь на указанном годе."},  // editor of action 12: information line
    {"047*", "Установить цвет шрифта нерабочих дней."},  // editor of action 13: information line
    {"048*", "День недели:"},  // editors of actions 14 and 15: label of the weekday choice (default with colon in action 14, without in action 15)
    {"049*", "Установить день начала недели на календаре."},  // editor of action 14: information line
    {"050*", "Установить выходные и рабочие дни."},  // editor of action 15: information line
    {"051*", "Подпрограмма:"},  // editors of actions 16, 17 and 18: label of the subroutine field
    {"052*", "Выполнить подпрограмму при выборе месяца."},  // editor of action 16: information line
    {"053*", "Выполнить подпрограмму при выборе года."},  // editor of action 17: information line
    {"054*", "Выполнить подпрограмму при правом клике мышкой по календарю."},  // editor of action 18: information line
    {"055*", "Имя переменной для цвета:"},  // editor of action 19: label of the variable field
    {"056*", "Вызвать окно диалога выбора цвета, выбрать цвет и сохранить его в переменной."},  // editor of action 19: information line
    {"057*", "Имя переменной для шрифта:"},  // editor of action 20: label of the variable field
    {"058*", "Вызвать окно диалога выбора шрифта, выбрать шрифт и сохранить его в переменной."},  // editor of action 20: information line
    {"059*", "Создать или удалить Orbidate, обозначить короткими названиями дни недели календаря."},  // hint of action 1 at registration
    {"060*", "Назначить короткие названия месяцев календаря."},  // hint of action 2 at registration
    {"061*", "Установить шрифт заголовка календаря."},  // hint of action 3 at registration
    {"062*", "Установить шрифт дней календаря."},  // hint of action 4 at registration
    {"063*", "Установить цвет шрифта выбранного периода дат на календаре."},  // hint of action 5 at registration
    {"064*", "Установить цвет фона выбранного периода дат на календаре."},  // hint of action 6 at registration
    {"065*", "Установить градиентный цвет поля календаря."},  // hint of action 7 at registration
    {"066*", "Установить градиентный цвет заголовка календаря."},  // hint of action 8 at registration
    {"067*", "Установить множественный выбор дат (Default - False)."},  // hint of action 9 at registration
    {"068*", "Получить в переменную результат выбора (выбор календаря) и выполнить подпрограмму при выборе даты."},  // hint of action 10 at registration
    {"069*", "Открыть календарь на указанном месяце."},  // hint of action 11 at registration
    {"070*", "Открыть календарь на указанном годе."},  // hint of action 12 at registration
    {"071*", "Установить цвет шрифта нерабочих дней."},  // hint of action 13 at registration
    {"072*", "Установить день начала недели на календаре."},  // hint of action 14 at registration
    {"073*", "Установить выходные и рабочие дни."},  // hint of action 15 at registration
    {"074*", "Выполнить подпрограмму при выборе месяца."},  // hint of action 16 at registration
    {"075*", "Выполнить подпрограмму при выборе года."},  // hint of action 17 at registration
    {"076*", "Выполнить подпрограмму при правом клике мышкой по календарю."},  // hint of action 18 at registration
    {"077*", "Вызвать окно диалога выбора цвета, выбрать цвет и сохранить его в переменной."},  // hint of action 19 at registration
    {"078*", "Вызвать окно диалога выбора шрифта, выбрать шрифт и сохранить его в переменной."},  // hint of action 20 at registration
}};

}  // namespace

std::span<const LocalizedText> DefaultTexts() { return kDefaultTexts; }

std::string_view DefaultText(std::string_view code) {
  for (const LocalizedText& text : kDefaultTexts) {
    if (text.code == code) return text.fallback;
  }
  return {};
}

// The weekday label of the OrbiInActiveDay editor shares code 048* with the
// OrbiStartDay editor, but its default has no colon.
std::string_view InActiveDayWeekdayLabel() { return "День недели"; }

}  // namespace orbidate
