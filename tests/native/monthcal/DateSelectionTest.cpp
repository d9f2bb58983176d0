#include "monthcal/DateSelection.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace orbidate {
namespace {

std::vector<DayRun> RunsOf(const DateSelection& selection) {
  return {selection.Runs().begin(), selection.Runs().end()};
}

TEST(DateSelection, MergesTouchingAndOverlappingRuns) {
  struct Case {
    std::vector<DayRun> added;
    std::vector<DayRun> runs;
  };
  const Case cases[] = {
      {{{5, 5}}, {{5, 5}}},
      {{{7, 3}}, {{3, 7}}},
      {{{1, 2}, {3, 4}}, {{1, 4}}},
      {{{3, 4}, {1, 2}}, {{1, 4}}},
      {{{1, 2}, {4, 5}}, {{1, 2}, {4, 5}}},
      {{{1, 2}, {4, 5}, {3, 3}}, {{1, 5}}},
      {{{10, 20}, {1, 2}, {30, 40}, {0, 35}}, {{0, 40}}},
      {{{10, 20}, {12, 14}}, {{10, 20}}},
      {{{-5, -1}, {0, 0}}, {{-5, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.added.size()));
    DateSelection selection;
    for (const DayRun& run : c.added) selection.Add(run.first, run.last);
    EXPECT_EQ(RunsOf(selection), c.runs);
  }
}

TEST(DateSelection, AgreesWithASetOfDays) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> day(0, 200), length(0, 6);
  DateSelection selection;
  std::set<int> days;
  for (int step = 0; step < 2000; ++step) {
    const int first = day(random), last = first + length(random);
    selection.Add(first, last);
    for (int d = first; d <= last; ++d) days.insert(d);
  }
  for (int d = -2; d <= 210; ++d) EXPECT_EQ(selection.Contains(d), days.count(d) == 1) << d;
  EXPECT_EQ(selection.DayCount(), static_cast<long long>(days.size()));
  // Maximal runs: neither overlapping nor touching.
  const auto runs = selection.Runs();
  for (std::size_t i = 1; i < runs.size(); ++i) EXPECT_GT(runs[i].first, runs[i - 1].last + 1);
}

TEST(DateSelection, SelectOnlyReplaces) {
  DateSelection selection;
  selection.Add(1, 3);
  selection.Add(10, 12);
  selection.SelectOnly(8, 6);
  EXPECT_EQ(RunsOf(selection), (std::vector<DayRun>{{6, 8}}));
}

}  // namespace
}  // namespace orbidate
