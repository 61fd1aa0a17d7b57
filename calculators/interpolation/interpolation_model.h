#pragma once
// Linear interpolation between two points of a straight line, as read off a
// printed table: given (x1, y1), (x2, y2) and an abscissa x, the ordinate y.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calculators/common/text_boxes.h"

namespace interpolation {

// What the result box shows when a step fails; it is shown in red.
inline constexpr std::wstring_view kErrorText = L"出错";

// y on the line through (x1, y1) and (x2, y2) at x, extrapolated the same way
// outside the interval; nothing when x2 equals x1 or a step overflows.
std::optional<double> Interpolate(double x1, double y1, double x2, double y2, double x);

// The window's six boxes: five inputs and the result. A change of any box,
// the result included, recalculates, so an edit of the result is overwritten
// at once by the result itself.
class InterpolationModel {
 public:
  enum Box : std::size_t { kX1, kY1, kX2, kY2, kX, kY, kBoxCount };

  InterpolationModel();
  const std::wstring& Text(std::size_t box) const { return boxes_.Text(box); }
  bool Write(std::size_t box, std::wstring text) { return boxes_.Write(box, std::move(text)); }

  // Whether the result box shows the error word (in red) rather than a number.
  bool ResultIsError() const { return resultIsError_; }

 private:
  void Recalculate();
  calc::TextBoxes boxes_;
  bool resultIsError_ = false;
};

}  // namespace interpolation
