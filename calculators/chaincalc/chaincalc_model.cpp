#include "calculators/chaincalc/chaincalc_model.h"

#include "calculators/common/number_format.h"
#include "numbers/number_reader.h"

namespace chaincalc {

ChaincalcModel::ChaincalcModel() : boxes_(kBoxCount, [this](std::size_t) { Recalculate(); }) {}

void ChaincalcModel::Chain(Row row) { Write(FirstOperand(row), Text(Result(row))); }

void ChaincalcModel::ReadInto(std::size_t box) {
  if (const auto number = calc::ReadNumber(Text(box))) values_[box] = *number;
}

void ChaincalcModel::Recalculate() {
  constexpr Row kRows[] = {Row::Addition, Row::Subtraction, Row::Multiplication, Row::Division};
  for (const Row row : kRows) {
    ReadInto(FirstOperand(row));
    ReadInto(SecondOperand(row));
  }
  auto& v = values_;
  v[2] = v[0] + v[1];
  v[5] = v[3] - v[4];
  v[8] = v[6] * v[7];
  // A zero divisor gives an infinite or undefined quotient, which is shown as
  // the calculators' not-a-number text rather than stopping anything.
  v[11] = v[9] / v[10];
  // Each result write that changes its box nests a recalculation of the same
  // values, which ends without further changes.
  for (const Row row : kRows) Write(Result(row), calc::GeneralNumberText(v[Result(row)]));
}

}  // namespace chaincalc
