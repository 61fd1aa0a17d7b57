#include "calculators/stopwatch/stopwatch_model.h"

#include <utility>

namespace stopwatch {

std::wstring ElapsedText(std::int64_t seconds) {
  // Whole hours are dropped: the display has room for minutes and seconds only.
  const std::int64_t shown = seconds < 0 ? 0 : seconds;
  return std::to_wstring(shown / 60 % 60) + L":" + std::to_wstring(shown % 60);
}

StopwatchModel::StopwatchModel(Clock clock) : clock_(std::move(clock)) {}

void StopwatchModel::Begin() {
  start_ = clock_();
  running_ = true;
}

void StopwatchModel::Tick() {
  if (running_) text_ = ElapsedText(clock_() - start_);
}

}  // namespace stopwatch
