#include "calculators/arcmeter/arcmeter_model.h"

#include <cmath>

#include "calculators/common/number_format.h"
#include "numbers/number_reader.h"

namespace arcmeter {

ArcmeterModel::ArcmeterModel() : boxes_(kBoxCount, [this](std::size_t box) { OnChange(box); }) {
  boxes_.Load(kDensity, L"7850");
}

void ArcmeterModel::Select(Mode mode) {
  mode_ = mode;
  Recalculate();
}

void ArcmeterModel::OnChange(std::size_t box) {
  if (box == kDiameter) {
    OnDiameterChange();
  } else {
    Recalculate();
  }
}

void ArcmeterModel::OnDiameterChange() {
  const std::wstring& text = Text(kDiameter);
  // The program writes the not-a-number text here when twice the radius
  // overflows; reading that back as 0 would wipe the radius the user typed.
  if (text == calc::kNotANumberText) return;
  // A diameter beyond the double range has no half to show: the radius stays.
  const auto diameter = calc::ReadNumber(text);
  if (!diameter) return;
  Write(kRadius, calc::GeneralNumberText(*diameter / 2));
}

void ArcmeterModel::ReadInto(std::size_t box, double& value) const {
  if (const auto number = calc::ReadNumber(Text(box))) value = *number;
}

void ArcmeterModel::Recalculate() {
  ReadInto(kRadius, values_.radius);
  values_.diameter = 2 * values_.radius;
  ReadInto(kThickness, values_.thickness);
  ReadInto(kDensity, values_.density);
  // May write the radius back (nesting a complete recalculation) when the
  // radius text is not already the shortest form of its value, as for 1e3.
  Write(kDiameter, calc::GeneralNumberText(values_.diameter));
  if (mode_ == Mode::Circle) {
    CalculateCircle();
  } else {
    CalculateArc();
  }
  WriteOutputs();
}

void ArcmeterModel::CalculateCircle() {
  Values& v = values_;
  v.area = kCircleConstant * v.radius * v.radius;
  v.perimeter = 2 * kCircleConstant * v.radius;
  v.weight = v.density * v.thickness * v.area / 1'000'000'000;
}

void ArcmeterModel::CalculateArc() {
  Values& v = values_;
  ReadInto(kAngle, v.angle);
  v.area = kCircleConstant * v.radius * v.radius * v.angle / 360;
  v.arcLength = 2 * kCircleConstant * v.radius * v.angle / 360;
  v.perimeter = v.arcLength;
  v.chord = 2 * v.radius * std::sin(v.angle * kCircleConstant / 360);
  v.weight = v.density * v.thickness * v.area / 1'000'000'000;
}

void ArcmeterModel::WriteOutputs() {
  // Each write that changes its box nests a recalculation of the same values,
  // so an edited output box is overwritten at once with its result.
  Write(kArea, calc::FormatPattern(values_.area, "0.00##"));
  Write(kArcLength, calc::FormatPattern(values_.arcLength, "0.00##"));
  Write(kPerimeter, calc::FormatPattern(values_.perimeter, "0.00##"));
  Write(kChord, calc::FormatPattern(values_.chord, "0.00##"));
  Write(kWeight, calc::FormatPattern(values_.weight, "0.0##"));
}

}  // namespace arcmeter
