#pragma once
// The mean temperature difference of a heating surface, from the flue-gas
// temperatures at its inlet and outlet and the temperature of the medium.

#include <string>
#include <string_view>

#include "calculators/common/text_boxes.h"

namespace lmtd {

inline constexpr std::wstring_view kInvalidText = L"非法数据";

// The result box's text for three box texts: the arithmetic mean of the two
// end differences when the larger is less than 1.7 times the smaller,
// otherwise the logarithmic mean, in "0.0##"; "非法数据" when the differences
// are not both positive or a step fails.
std::wstring MeanDifferenceText(std::wstring_view inlet, std::wstring_view outlet, std::wstring_view medium);

// The window's four boxes: three inputs and the result. Any change of an input
// recalculates; writing the result triggers nothing.
class LmtdModel {
 public:
  enum Box : std::size_t { kInlet, kOutlet, kMedium, kResult, kBoxCount };

  LmtdModel();
  const std::wstring& Text(std::size_t box) const { return boxes_.Text(box); }
  bool Write(std::size_t box, std::wstring text) { return boxes_.Write(box, std::move(text)); }

 private:
  void OnChange(std::size_t box);
  calc::TextBoxes boxes_;
};

}  // namespace lmtd
