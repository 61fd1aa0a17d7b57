#include "calculators/stopwatch/stopwatch_model.h"

#include <utility>

namespace stopwatch {
namespace {

// Whole hours are dropped: the display has room for minutes and seconds only.
// A negative time, after the system clock was set back below the start, shows 0:0.
std::wstring ElapsedText(std::int64_t seconds) {
  const std::int64_t shown = seconds < 0 ? 0 : seconds;
  return std::to_wstring(shown / 60 % 60) + L":" + std::to_wstring(shown % 60);
}

}  // namespace

StopwatchModel::StopwatchModel(Clock clock) : clock_(std::move(clock)) {}

void StopwatchModel::Begin() {
  start_ = clock_();
  running_ = true;
}

void StopwatchModel::Tick() {
  if (running_) text_ = ElapsedText(clock_() - start_);
}

}  // namespace stopwatch
