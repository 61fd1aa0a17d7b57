#include "calculators/arcmeter/arcmeter_model.h"

#include "calculators/common/number_format.h"
#include "tests/support/box_cases.h"

namespace {

using arcmeter::ArcmeterModel;
using enum ArcmeterModel::Box;
using testsupport::kAction;

constexpr std::size_t kCircle = kAction, kArc = kAction + 1;  // the mode buttons
const std::wstring kBad(calc::kNotANumberText);

TEST(Arcmeter, BoxesAfterEachSequenceOfEdits) {
  testsupport::RunBoxCases<ArcmeterModel>({
      {"start: nothing computed", {}, {{kRadius, L""}, {kDensity, L"7850"}, {kArea, L""}, {kDiameter, L""}}},
      {"circle of radius 10", {{kRadius, L"10"}, {kThickness, L"10"}},
       {{kPerimeter, L"62.8319"}, {kArea, L"314.1593"}, {kWeight, L"0.025"}, {kDiameter, L"20"},
        {kArcLength, L"0.00"}, {kChord, L"0.00"}}},
      {"empty thickness", {{kRadius, L"10"}}, {{kWeight, L"0.0"}}},
      {"arc of 90 degrees", {{kRadius, L"10"}, {kThickness, L"10"}, {kArc, L""}, {kAngle, L"90"}},
       {{kArea, L"78.5398"}, {kArcLength, L"15.708"}, {kPerimeter, L"15.708"}, {kChord, L"14.1421"},
        {kWeight, L"0.006"}}},
      {"chord under 60 degrees", {{kArc, L""}, {kRadius, L"10"}, {kAngle, L"60"}}, {{kChord, L"10.00"}}},
      {"half a circle", {{kArc, L""}, {kRadius, L"5"}, {kAngle, L"180"}}, {{kChord, L"10.00"}, {kArcLength, L"15.708"}}},
      {"arc without an angle", {{kRadius, L"10"}, {kThickness, L"10"}, {kArc, L""}},
       {{kArea, L"0.00"}, {kArcLength, L"0.00"}, {kPerimeter, L"0.00"}, {kChord, L"0.00"}, {kWeight, L"0.0"}}},
      {"circle again keeps the arc's length and chord and ignores the angle",
       {{kRadius, L"10"}, {kThickness, L"10"}, {kArc, L""}, {kAngle, L"90"}, {kCircle, L""}, {kAngle, L"30"}},
       {{kArea, L"314.1593"}, {kPerimeter, L"62.8319"}, {kWeight, L"0.025"}, {kArcLength, L"15.708"},
        {kChord, L"14.1421"}}},
      {"a mode click alone", {{kCircle, L""}}, {{kArea, L"0.00"}, {kDiameter, L"0"}, {kRadius, L"0"}}},
      {"on halves", {{kArc, L""}, {kRadius, L"2"}, {kAngle, L"67500"}}, {{kArea, L"2356.1945"}, {kArcLength, L"2356.1945"}}},
      {"diameter 5", {{kDiameter, L"5"}}, {{kRadius, L"2.5"}, {kPerimeter, L"15.708"}}},
      {"same diameter typed on", {{kDiameter, L"5"}, {kDiameter, L"5."}}, {{kDiameter, L"5."}, {kRadius, L"2.5"}}},
      {"emptied radius", {{kRadius, L"10"}, {kRadius, L""}}, {{kDiameter, L"0"}, {kRadius, L"0"}, {kArea, L"0.00"}}},
      {"radius in its shortest form", {{kRadius, L"1e3"}}, {{kRadius, L"1000"}, {kDiameter, L"2000"}}},
      {"radius 1000 shows the circle constant 3.1415926", {{kRadius, L"1000"}},
       {{kPerimeter, L"6283.1852"}, {kArea, L"3141592.60"}}},
      {"radius ends at a letter", {{kRadius, L"12abc"}}, {{kRadius, L"12"}, {kDiameter, L"24"}}},
      {"diameter without a number", {{kRadius, L"10"}, {kDiameter, L"abc"}}, {{kRadius, L"0"}, {kDiameter, L"0"}}},
      {"edited outputs", {{kRadius, L"10"}, {kArea, L"999"}, {kWeight, L"1"}}, {{kArea, L"314.1593"}, {kWeight, L"0.0"}}},
      {"radius beyond the range", {{kRadius, L"10"}, {kRadius, L"1e999"}},
       {{kRadius, L"1e999"}, {kDiameter, L"20"}, {kArea, L"314.1593"}}},
      {"density and thickness beyond the range",
       {{kRadius, L"10"}, {kThickness, L"10"}, {kDensity, L"-1e400"}, {kThickness, L"1e400"}}, {{kWeight, L"0.025"}}},
      {"diameter beyond the range", {{kRadius, L"10"}, {kDiameter, L"1e999"}},
       {{kRadius, L"10"}, {kDiameter, L"1e999"}, {kArea, L"314.1593"}}},
      // Mended: the overflowing diameter read back as radius 0 and wiped the user's radius.
      {"twice the radius overflows", {{kRadius, L"1.5e308"}},
       {{kDiameter, kBad}, {kRadius, L"1.5e308"}, {kPerimeter, kBad}, {kArea, kBad}, {kWeight, kBad}}},
      {"recovery after the overflow", {{kRadius, L"1.5e308"}, {kRadius, L"10"}}, {{kDiameter, L"20"}, {kArea, L"314.1593"}}},
      {"infinite area times no thickness", {{kThickness, L"10"}, {kRadius, L"1e200"}, {kThickness, L""}},
       {{kArea, kBad}, {kWeight, kBad}}},
      {"huge angle", {{kRadius, L"10"}, {kArc, L""}, {kAngle, L"1e308"}}, {{kChord, kBad}, {kArea, kBad}}},
  }, [](ArcmeterModel& m, std::size_t button) { m.Select(button ? arcmeter::Mode::Arc : arcmeter::Mode::Circle); },
     [](const ArcmeterModel&) {});
}

}  // namespace
