#include "velmora/capture/cap_area_model.h"

#include <algorithm>
#include <cstdlib>

namespace capture {
namespace {

constexpr int kReadOutHeightTwips = 375;

int Scale(int value, unsigned numerator, unsigned denominator) {
  return static_cast<int>((static_cast<std::int64_t>(value) * numerator + denominator / 2) / denominator);
}

std::int64_t Distance(int a, int b) { return std::llabs(static_cast<std::int64_t>(a) - b); }

}  // namespace

PickerMetrics PickerMetrics::ForDpi(unsigned dpi) {
  if (dpi == 0) dpi = 96;
  return {Scale(70, dpi, 96), Scale(kReadOutHeightTwips, dpi, 1440), Scale(2, dpi, 96), dpi};
}

PickerMetrics PickerMetricsAt(PickPoint inPicture, const screen::ScreenRect& covered,
                              std::span<const screen::Monitor> monitors) {
  const int x = covered.left + inPicture.x, y = covered.top + inPicture.y;
  const screen::Monitor* under = screen::MonitorOf({x, y, x + 1, y + 1}, monitors);
  return PickerMetrics::ForDpi(under ? under->dpi : 0);
}

PickRect SelectionBetween(PickPoint a, PickPoint b) {
  const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
  return {left, top, std::max(a.x, b.x) - left, std::max(a.y, b.y) - top};
}

FrameCorners FrameAround(PickPoint a, PickPoint b) {
  return {std::min(a.x, b.x) - 1, std::min(a.y, b.y) - 1, std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

std::wstring SizeReadOut(PickPoint a, PickPoint b) {
  return std::to_wstring(Distance(a.x, b.x)) + L"," + std::to_wstring(Distance(a.y, b.y));
}

std::optional<PickRect> PickerModel::Press(PickPoint at, const PickerMetrics& metrics) {
  if (state_ != State::Idle) return std::nullopt;
  state_ = State::Selecting;
  start_ = at;
  return PickRect{at.x, at.y - metrics.readOutHeight - metrics.readOutGap, metrics.readOutWidth,
                  metrics.readOutHeight};
}

std::optional<SelectionFeedback> PickerModel::Move(PickPoint at, unsigned buttons) {
  idleTicks_ = 0;
  if (buttons != kLeftButton || state_ != State::Selecting) return std::nullopt;
  return SelectionFeedback{SizeReadOut(start_, at), FrameAround(start_, at)};
}

std::optional<PickRect> PickerModel::Release(PickPoint at) {
  if (state_ != State::Selecting) return std::nullopt;
  state_ = State::Capturing;
  end_ = at;
  return SelectionBetween(start_, end_);
}

bool PickerModel::Tick() {
  // Stops at the closing count, so a picker that stays open for any reason
  // keeps closing at each tick instead of wrapping round to zero.
  if (idleTicks_ <= kIdleCloseTicks) ++idleTicks_;
  return idleTicks_ > kIdleCloseTicks;
}

}  // namespace capture
