#include "calculators/stopwatch/stopwatch_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using stopwatch::StopwatchModel;

// One press or tick with the clock at `at` seconds, then what the display shows.
struct Step {
  char press;  // 'B' start, 'S' stop, 'T' a tick of the display clock
  std::int64_t at;
  const wchar_t* shows;
};

TEST(Stopwatch, DisplayAfterEachPressAndTick) {
  const struct {
    const char* name;
    std::vector<Step> steps;
  } cases[] = {
      {"idle", {{'T', 30, L" "}, {'S', 31, L" "}, {'T', 32, L" "}}},
      // Minutes within the hour and seconds within the minute, unpadded.
      {"counting from the start press at the next tick",
       {{'B', 0, L" "}, {'T', 0, L"0:0"}, {'T', 1, L"0:1"}, {'T', 59, L"0:59"}, {'T', 60, L"1:0"}, {'T', 75, L"1:15"},
        {'T', 727, L"12:7"}, {'T', 3599, L"59:59"}, {'T', 3600, L"0:0"}, {'T', 3605, L"0:5"},
        {'T', 86400 * 400 + 61, L"1:1"}}},
      {"stop freezes, start counts again from zero",
       {{'B', 0, L" "}, {'T', 75, L"1:15"}, {'S', 80, L"1:15"}, {'T', 100, L"1:15"}, {'S', 101, L"1:15"},
        {'B', 100, L"1:15"}, {'T', 100, L"0:0"}, {'T', 109, L"0:9"}}},
      {"start while running restarts", {{'B', 0, L" "}, {'T', 50, L"0:50"}, {'B', 50, L"0:50"}, {'T', 52, L"0:2"}}},
      {"clock set back below the start",
       {{'B', 0, L" "}, {'T', 20, L"0:20"}, {'T', -1, L"0:0"}, {'T', -3605, L"0:0"}, {'T', 3, L"0:3"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::int64_t now = 1'000'000;
    StopwatchModel watch([&now] { return now; });
    for (const Step& step : c.steps) {
      now = 1'000'000 + step.at;
      if (step.press == 'B') watch.Begin();
      if (step.press == 'S') watch.Stop();
      if (step.press == 'T') watch.Tick();
      EXPECT_EQ(watch.Text(), step.shows) << step.press << step.at;
    }
  }
}

}  // namespace
