#include "calendar/ImageForm.h"

#include "monthcal/SelectedDatesText.h"

namespace orbidate {

ImageForm::ImageForm(Host& host, const ShortDateFormat& format) : host_(&host), format_(&format) {
  PlannerCalendar.SetListener(this);
}

std::string ImageForm::SelectedDatesText() const {
  return orbidate::SelectedDatesText(PlannerCalendar.Selection(), *format_);
}

void ImageForm::PlannerCalendarDaySelect() {
  // The variable first, so that the subroutine finds the new value.
  if (!LabelResult.empty()) host_->SetVar(LabelResult, SelectedDatesText());
  if (!LabelSubProgramm.empty()) host_->RunScript(GoSubCommand(LabelSubProgramm));
}

void ImageForm::PlannerCalendarMonthSelect() {
  if (!SubProgMonthSelect.empty()) host_->RunScript(GoSubCommand(SubProgMonthSelect));
}

void ImageForm::PlannerCalendarYearSelect() {
  if (!SubProgYearSelect.empty()) host_->RunScript(GoSubCommand(SubProgYearSelect));
}

void ImageForm::PlannerCalendarMouseDown(MouseButton button) {
  if (button == MouseButton::Right && !SubProgRightClick.empty()) host_->RunScript(GoSubCommand(SubProgRightClick));
}

}  // namespace orbidate
