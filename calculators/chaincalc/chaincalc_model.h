#pragma once
// Four chained sums side by side: an addition, a subtraction, a
// multiplication and a division, each with two operands and a result, and a
// chain button that makes the result the row's next first operand.

#include <array>
#include <cstddef>
#include <string>

#include "calculators/common/text_boxes.h"

namespace chaincalc {

enum class Row : std::size_t { Addition, Subtraction, Multiplication, Division };

// The window's twelve boxes, three to a row: first operand, second operand,
// result. Box i and value i belong together. A change of any box, results
// included, recalculates all four rows; so a result typed over is replaced at
// once by the computed one.
class ChaincalcModel {
 public:
  static constexpr std::size_t kBoxCount = 12;

  static constexpr std::size_t FirstOperand(Row row) { return static_cast<std::size_t>(row) * 3; }
  static constexpr std::size_t SecondOperand(Row row) { return FirstOperand(row) + 1; }
  static constexpr std::size_t Result(Row row) { return FirstOperand(row) + 2; }

  ChaincalcModel();

  const std::wstring& Text(std::size_t box) const { return boxes_.Text(box); }
  bool Write(std::size_t box, std::wstring text) { return boxes_.Write(box, std::move(text)); }

  // A chain button: copies the result's text, exactly as shown, into the
  // row's first operand.
  void Chain(Row row);

 private:
  void Recalculate();
  void ReadInto(std::size_t box);

  // The values last read or computed; a box whose number lies beyond the
  // double range keeps its previous value.
  std::array<double, kBoxCount> values_{};
  calc::TextBoxes boxes_;
};

}  // namespace chaincalc
