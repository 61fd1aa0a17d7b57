#include "velmora/capture/continuous_capture_model.h"

#include <cmath>

#include "numbers/number_reader.h"

namespace capture {

std::uint32_t IntervalMilliseconds(std::wstring_view text) {
  // A number beyond a double's range is as long (or, negative, as short) an
  // interval as can be.
  const auto number = calc::ReadNumber(text);
  const std::size_t first = text.find_first_not_of(L" \t\r\n");
  const bool negative = first != std::wstring_view::npos && text[first] == L'-';
  const double seconds = std::floor(number.value_or(negative ? -HUGE_VAL : HUGE_VAL));
  if (!(seconds > 0)) return 0;
  if (seconds >= kLongestTimerInterval / 1000.0) return kLongestTimerInterval;
  return static_cast<std::uint32_t>(seconds) * 1000u;
}

std::wstring ShotCountLabel(std::int64_t count) {
  const std::wstring digits = std::to_wstring(count);
  if (count >= 0 && count < 10) return L" 00" + digits;
  if (count >= 0 && count < 100) return L" 0" + digits;
  return digits;
}

WindowSpot ControlWindowSpot(int screenWidth, int screenHeight, int windowWidth, int windowHeight, unsigned dpi) {
  if (dpi == 0) dpi = 96;
  const int lift = static_cast<int>((700LL * dpi + 720) / 1440);
  return {screenWidth - windowWidth, screenHeight - windowHeight - lift};
}

void ContinuousCaptureModel::Load() {
  running_ = false;
  label_ = ShotCountLabel(0);
}

ContinuousCaptureModel::Look ContinuousCaptureModel::Toggle(std::wstring_view intervalText) {
  running_ = !running_;
  if (!running_) return {kPausedCaption, kStartText};
  interval_ = IntervalMilliseconds(intervalText);
  return {kRunningCaption, kPauseText};
}

std::wstring ContinuousCaptureModel::Shot() {
  ++shotCount_;
  label_ = ShotCountLabel(shotCount_);
  return label_;
}

}  // namespace capture
