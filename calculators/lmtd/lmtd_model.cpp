#include "calculators/lmtd/lmtd_model.h"

#include <algorithm>
#include <cmath>

#include "calculators/common/number_format.h"
#include "numbers/number_reader.h"

namespace lmtd {

std::wstring MeanDifferenceText(std::wstring_view inletText, std::wstring_view outletText,
                                std::wstring_view mediumText) {
  const auto inlet = calc::ReadNumber(inletText);
  const auto outlet = calc::ReadNumber(outletText);
  const auto medium = calc::ReadNumber(mediumText);
  if (!inlet || !outlet || !medium) return std::wstring(kInvalidText);

  const double d1 = *inlet - *medium;
  const double d2 = *outlet - *medium;
  if (!(d1 > 0 && d2 > 0)) return std::wstring(kInvalidText);

  // Larger over smaller, as the program's own help states the rule: taking
  // inlet over outlet would pick the arithmetic mean for 100 and 500, where the
  // logarithmic mean is right.
  const double large = std::max(d1, d2);
  const double small = std::min(d1, d2);
  const double ratio = large / small;
  const double result = ratio < 1.7 ? (d1 + d2) / 2 : (large - small) / std::log(ratio);
  if (!std::isfinite(ratio) || !std::isfinite(result)) return std::wstring(kInvalidText);
  return calc::FormatPattern(result, "0.0##");
}

LmtdModel::LmtdModel() : boxes_(kBoxCount, [this](std::size_t box) { OnChange(box); }) {
  boxes_.Load(kInlet, L"950");
  boxes_.Load(kOutlet, L"550");
  boxes_.Load(kMedium, L"204");
}

void LmtdModel::OnChange(std::size_t box) {
  if (box == kResult) return;
  boxes_.Write(kResult, MeanDifferenceText(Text(kInlet), Text(kOutlet), Text(kMedium)));
}

}  // namespace lmtd
