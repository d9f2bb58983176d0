// The text of a selection: every run of consecutive days as its first and
// last day joined by "-" (a single day alone), the runs in ascending order
// joined by ",", each date in the given format. No day gives the empty text.
#pragma once

#include <string>

#include "monthcal/DateSelection.h"
#include "monthcal/ShortDateFormat.h"

namespace orbidate {

std::string SelectedDatesText(const DateSelection& selection, const ShortDateFormat& format);

}  // namespace orbidate
