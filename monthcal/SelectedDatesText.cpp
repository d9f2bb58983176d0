#include "monthcal/SelectedDatesText.h"

namespace orbidate {

std::string SelectedDatesText(const DateSelection& selection, const ShortDateFormat& format) {
  std::string text;
  bool firstRun = true;
  for (const DayRun& run : selection.Runs()) {
    if (!firstRun) text += ',';
    firstRun = false;
    format.AppendTo(text, ToDate(run.first));
    if (run.last != run.first) {
      text += '-';
      format.AppendTo(text, ToDate(run.last));
    }
  }
  return text;
}

}  // namespace orbidate
