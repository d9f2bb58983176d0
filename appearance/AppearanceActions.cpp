#include "appearance/AppearanceActions.h"

#include "appearance/ColorSpec.h"
#include "appearance/FontSpec.h"
#include "calendar/ActionParameters.h"
#include "calendar/CalendarAction.h"

namespace orbidate {
namespace {

using ColorSetter = void (MonthCalendar::*)(ColorValue);

bool ApplyColor(ActionArgs args, ColorSetter set) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    if (!args[1].empty()) {
      if (const auto color = ParseColorSpec(args[1])) (form.PlannerCalendar.*set)(*color);
    }
    return true;
  });
}

struct GradientSetters {
  ColorSetter start;
  ColorSetter end;
  void (MonthCalendar::*direction)(GradientDirection);
};

// The three steps stand alone: a malformed first colour keeps neither the
// second colour nor the direction from being applied.
bool ApplyGradient(ActionArgs args, const GradientSetters& set) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    MonthCalendar& calendar = form.PlannerCalendar;
    if (!args[1].empty()) {
      if (const auto color = ParseColorSpec(args[1])) (calendar.*set.start)(*color);
    }
    if (!args[2].empty()) {
      if (const auto color = ParseColorSpec(args[2])) (calendar.*set.end)(*color);
    }
    if (const auto direction = ReadGradientDirection(args[3])) (calendar.*set.direction)(*direction);
    return true;
  });
}

}  // namespace

bool ExecuteFont(ActionArgs args) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    if (args[1].empty()) return true;
    MonthCalendar& calendar = form.PlannerCalendar;
    FontValue font = calendar.Font();
    ColorValue caption = calendar.Look().captionTextColor;
    ApplyFontSpec(args[1], font, &caption);
    calendar.SetFont(font);
    calendar.SetCaptionTextColor(caption);
    return true;
  });
}

bool ExecuteDayFont(ActionArgs args) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    if (args[1].empty()) return true;
    FontValue font = form.PlannerCalendar.DayFont();
    ApplyFontSpec(args[1], font);
    form.PlannerCalendar.SetDayFont(font);
    return true;
  });
}

bool ExecuteFontSelColor(ActionArgs args) { return ApplyColor(args, &MonthCalendar::SetSelectFontColor); }
bool ExecuteDateSelColor(ActionArgs args) { return ApplyColor(args, &MonthCalendar::SetDateSelectColor); }
bool ExecuteWeekEndColor(ActionArgs args) { return ApplyColor(args, &MonthCalendar::SetWeekendColor); }

bool ExecuteFieldColor(ActionArgs args) {
  return ApplyGradient(args, {&MonthCalendar::SetGradientStartColor, &MonthCalendar::SetGradientEndColor,
                              &MonthCalendar::SetGradientDirection});
}

bool ExecuteHeaderColor(ActionArgs args) {
  return ApplyGradient(args, {&MonthCalendar::SetMonthGradientStartColor, &MonthCalendar::SetMonthGradientEndColor,
                              &MonthCalendar::SetMonthGradientDirection});
}

}  // namespace orbidate
