#include "monthcal/DateSelection.h"

#include <algorithm>

namespace orbidate {

void DateSelection::SelectOnly(DayNumber a, DayNumber b) {
  runs_.clear();
  runs_.push_back({std::min(a, b), std::max(a, b)});
}

void DateSelection::Add(DayNumber a, DayNumber b) {
  DayRun run{std::min(a, b), std::max(a, b)};
  // The first run that ends at or after the day before the new run: every
  // run from there that starts no later than the day after it merges.
  auto first = std::lower_bound(runs_.begin(), runs_.end(), run.first,
                                [](const DayRun& r, DayNumber day) { return static_cast<long long>(r.last) + 1 < day; });
  auto last = first;
  while (last != runs_.end() && static_cast<long long>(last->first) <= static_cast<long long>(run.last) + 1) {
    run.first = std::min(run.first, last->first);
    run.last = std::max(run.last, last->last);
    ++last;
  }
  first = runs_.erase(first, last);
  runs_.insert(first, run);
}

bool DateSelection::Contains(DayNumber day) const {
  auto it = std::lower_bound(runs_.begin(), runs_.end(), day,
                             [](const DayRun& r, DayNumber d) { return r.last < d; });
  return it != runs_.end() && it->first <= day;
}

long long DateSelection::DayCount() const {
  long long count = 0;
  for (const DayRun& run : runs_) count += static_cast<long long>(run.last) - run.first + 1;
  return count;
}

}  // namespace orbidate
