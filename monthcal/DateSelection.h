// The selected days, kept as sorted, disjoint runs of consecutive days: runs
// that touch are merged, so a selection of centuries is a single run and the
// runs are exactly the pieces of the selected-dates text.
#pragma once

#include <span>
#include <vector>

#include "monthcal/CalendarDate.h"

namespace orbidate {

struct DayRun {
  DayNumber first;
  DayNumber last;  // included
  constexpr bool operator==(const DayRun&) const = default;
};

class DateSelection {
 public:
  void Clear() { runs_.clear(); }
  // Replaces the selection with the days from a to b, in either order.
  void SelectOnly(DayNumber a, DayNumber b);
  // Adds the days from a to b (either order) to the selection.
  void Add(DayNumber a, DayNumber b);

  bool Empty() const { return runs_.empty(); }
  bool Contains(DayNumber day) const;
  std::span<const DayRun> Runs() const { return runs_; }
  long long DayCount() const;

  bool operator==(const DateSelection&) const = default;

 private:
  std::vector<DayRun> runs_;
};

}  // namespace orbidate
