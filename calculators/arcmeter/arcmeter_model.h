#pragma once
// The circle and arc calculator: circumference, area and plate weight of a
// circle, or arc length, sector area, chord and plate weight of a circular arc.

#include <cstddef>
#include <string>

#include "calculators/common/text_boxes.h"

namespace arcmeter {

// The fixed circle constant the results are worked with. It is deliberately
// not full double precision, so that shown results match what the users have
// always seen (a radius of 10 has a perimeter of 62.8319, an area of 314.1593).
inline constexpr double kCircleConstant = 3.1415926;

enum class Mode { Circle, Arc };

// The window's ten text boxes. Any change of a box of the main array (outputs
// included) recalculates everything; a change of the diameter writes half of it
// into the radius box, which recalculates in turn when it changes the box.
class ArcmeterModel {
 public:
  enum Box : std::size_t {
    kAngle,      // central angle in degrees; used in arc mode only
    kRadius,
    kThickness,
    kPerimeter,  // the arc length in arc mode
    kArcLength,
    kArea,
    kChord,
    kDensity,
    kWeight,
    kDiameter,
    kBoxCount
  };

  ArcmeterModel();

  const std::wstring& Text(std::size_t box) const { return boxes_.Text(box); }
  bool Write(std::size_t box, std::wstring text) { return boxes_.Write(box, std::move(text)); }

  // A click on either mode button: switches and recalculates.
  void Select(Mode mode);

 private:
  // The working values. They live as long as the window and are only ever
  // overwritten: a box whose number lies beyond the double range keeps the old
  // value, and the arc length and chord keep their last arc values in circle mode.
  struct Values {
    double radius = 0, diameter = 0, thickness = 0, density = 0, angle = 0;
    double area = 0, perimeter = 0, arcLength = 0, chord = 0, weight = 0;
  };

  void OnChange(std::size_t box);
  void OnDiameterChange();
  void Recalculate();
  void CalculateCircle();
  void CalculateArc();
  void WriteOutputs();
  // Reads a box into a working value unless its number lies beyond the double range.
  void ReadInto(std::size_t box, double& value) const;

  Values values_;
  Mode mode_ = Mode::Circle;
  calc::TextBoxes boxes_;
};

}  // namespace arcmeter
