#include "calculators/interpolation/interpolation_model.h"

#include <cmath>

#include "calculators/common/number_format.h"
#include "numbers/number_reader.h"

namespace interpolation {

std::optional<double> Interpolate(double x1, double y1, double x2, double y2, double x) {
  // Every intermediate is checked: a product that overflows must not be
  // rescued by the division that follows it.
  const double run = x2 - x1;
  if (run == 0 || !std::isfinite(run)) return std::nullopt;
  const double offset = x - x1;
  const double rise = y2 - y1;
  const double product = offset * rise;
  if (!std::isfinite(offset) || !std::isfinite(rise) || !std::isfinite(product)) return std::nullopt;
  const double y = product / run + y1;
  if (!std::isfinite(y)) return std::nullopt;
  return y;
}

InterpolationModel::InterpolationModel() : boxes_(kBoxCount, [this](std::size_t) { Recalculate(); }) {}

void InterpolationModel::Recalculate() {
  double values[kY]{};
  bool readable = true;
  for (std::size_t box = kX1; box < kY && readable; ++box) {
    const auto value = calc::ReadNumber(Text(box));
    readable = value.has_value();
    if (readable) values[box] = *value;
  }
  const auto y = readable ? Interpolate(values[kX1], values[kY1], values[kX2], values[kY2], values[kX])
                          : std::nullopt;
  resultIsError_ = !y;
  // The write raises the result box's own change, which computes the same
  // outcome and ends because the text no longer changes.
  boxes_.Write(kY, y ? calc::FormatPattern(*y, "0.####") : std::wstring(kErrorText));
}

}  // namespace interpolation
