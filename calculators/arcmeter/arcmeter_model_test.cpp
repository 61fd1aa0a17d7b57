#include "calculators/arcmeter/arcmeter_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>

#include "calculators/common/number_format.h"

namespace {

using arcmeter::ArcmeterModel;
using arcmeter::Mode;
using Box = ArcmeterModel::Box;

const std::wstring kInvalid(calc::kNotANumberText);

// A calculator with the usual plate: radius 10, thickness 10, steel.
ArcmeterModel TenMillimetrePlate() {
  ArcmeterModel model;
  model.Write(Box::kRadius, L"10");
  model.Write(Box::kThickness, L"10");
  return model;
}

// Checks what several boxes show, naming the box that differs.
void ExpectShows(const ArcmeterModel& model, std::initializer_list<std::pair<Box, std::wstring>> shown) {
  for (const auto& [box, text] : shown) EXPECT_EQ(model.Text(box), text) << "box " << box;
}

TEST(ArcmeterStart, OnlyTheDensityHasATextAndNothingIsComputed) {
  const ArcmeterModel model;
  for (std::size_t box = 0; box < Box::kBoxCount; ++box) {
    EXPECT_EQ(model.Text(box), box == Box::kDensity ? L"7850" : L"") << "box " << box;
  }
  EXPECT_EQ(model.CurrentMode(), Mode::Circle);
  EXPECT_FALSE(model.AngleEnabled());
}

TEST(ArcmeterCircle, RadiusTenGivesPerimeterAreaWeightAndDiameter) {
  const ArcmeterModel model = TenMillimetrePlate();
  ExpectShows(model, {
      {Box::kPerimeter, L"62.8319"}, {Box::kArea, L"314.1593"}, {Box::kWeight, L"0.025"}, {Box::kDiameter, L"20"}});
  // No arc has been calculated yet.
  ExpectShows(model, {{Box::kArcLength, L"0.00"}, {Box::kChord, L"0.00"}});
}

TEST(ArcmeterCircle, EmptyThicknessWeighsNothing) {
  ArcmeterModel model;
  model.Write(Box::kRadius, L"10");
  EXPECT_EQ(model.Text(Box::kWeight), L"0.0");
}

TEST(ArcmeterArc, NinetyDegreesOfRadiusTen) {
  ArcmeterModel model = TenMillimetrePlate();
  model.Select(Mode::Arc);
  EXPECT_TRUE(model.AngleEnabled());
  model.Write(Box::kAngle, L"90");
  ExpectShows(model, {
      {Box::kArea, L"78.5398"}, {Box::kArcLength, L"15.708"}, {Box::kPerimeter, L"15.708"}, {Box::kChord, L"14.1421"},
      {Box::kWeight, L"0.006"}});
}

TEST(ArcmeterArc, ChordsUnderSixtyAndHalfACircle) {
  ArcmeterModel model;
  model.Select(Mode::Arc);
  model.Write(Box::kRadius, L"10");
  model.Write(Box::kAngle, L"60");
  EXPECT_EQ(model.Text(Box::kChord), L"10.00");
  model.Write(Box::kRadius, L"5");
  model.Write(Box::kAngle, L"180");
  ExpectShows(model, {{Box::kChord, L"10.00"}, {Box::kArcLength, L"15.708"}});
}

TEST(ArcmeterArc, EmptyAngleGivesZeroes) {
  ArcmeterModel model = TenMillimetrePlate();
  model.Select(Mode::Arc);
  for (const Box box : {Box::kArea, Box::kArcLength, Box::kPerimeter, Box::kChord}) {
    EXPECT_EQ(model.Text(box), L"0.00") << "box " << box;
  }
  EXPECT_EQ(model.Text(Box::kWeight), L"0.0");
}

TEST(ArcmeterArc, BackToTheCircleKeepsTheArcLengthAndChord) {
  ArcmeterModel model = TenMillimetrePlate();
  model.Select(Mode::Arc);
  model.Write(Box::kAngle, L"90");
  model.Select(Mode::Circle);
  EXPECT_FALSE(model.AngleEnabled());
  ExpectShows(model, {
      {Box::kArea, L"314.1593"}, {Box::kPerimeter, L"62.8319"}, {Box::kWeight, L"0.025"}, {Box::kArcLength, L"15.708"},
      {Box::kChord, L"14.1421"}});
  // The angle box is ignored in circle mode.
  model.Write(Box::kAngle, L"30");
  ExpectShows(model, {{Box::kArea, L"314.1593"}, {Box::kChord, L"14.1421"}});
}

TEST(ArcmeterArc, AModeClickAloneFillsTheOutputs) {
  ArcmeterModel model;
  model.Select(Mode::Circle);
  ExpectShows(model, {{Box::kArea, L"0.00"}, {Box::kDiameter, L"0"}});
  EXPECT_EQ(model.Text(Box::kRadius), L"0");  // written back through the diameter
}

TEST(ArcmeterCoupling, DiameterFiveGivesRadiusTwoAndAHalf) {
  ArcmeterModel model;
  model.Write(Box::kDiameter, L"5");
  ExpectShows(model, {{Box::kRadius, L"2.5"}, {Box::kPerimeter, L"15.708"}});
  // Texts with the same value stay as typed.
  model.Write(Box::kDiameter, L"5.");
  ExpectShows(model, {{Box::kDiameter, L"5."}, {Box::kRadius, L"2.5"}});
  model.Write(Box::kDiameter, L"5.0");
  ExpectShows(model, {{Box::kDiameter, L"5.0"}, {Box::kRadius, L"2.5"}});
}

TEST(ArcmeterCoupling, EmptiedRadiusComesBackAsZero) {
  ArcmeterModel model = TenMillimetrePlate();
  model.Write(Box::kRadius, L"");
  ExpectShows(model, {{Box::kDiameter, L"0"}, {Box::kRadius, L"0"}, {Box::kArea, L"0.00"}});
}

TEST(ArcmeterCoupling, RadiusIsRewrittenInItsShortestForm) {
  ArcmeterModel model;
  model.Write(Box::kRadius, L"1e3");
  ExpectShows(model, {{Box::kRadius, L"1000"}, {Box::kDiameter, L"2000"}});
  model.Write(Box::kRadius, L"2.50");
  EXPECT_EQ(model.Text(Box::kRadius), L"2.5");
  model.Write(Box::kRadius, L"12abc");
  ExpectShows(model, {{Box::kRadius, L"12"}, {Box::kDiameter, L"24"}});
}

TEST(ArcmeterCoupling, DiameterWithoutANumberGivesRadiusZero) {
  ArcmeterModel model = TenMillimetrePlate();
  model.Write(Box::kDiameter, L"abc");
  EXPECT_EQ(model.Text(Box::kRadius), L"0");
  // The new radius recalculates and writes its diameter over the text.
  EXPECT_EQ(model.Text(Box::kDiameter), L"0");
}

TEST(ArcmeterOutputs, EditedOutputsAreOverwrittenAtOnce) {
  ArcmeterModel model = TenMillimetrePlate();
  for (const Box box : {Box::kPerimeter, Box::kArea, Box::kArcLength, Box::kChord, Box::kWeight}) {
    const std::wstring shown = model.Text(box);
    model.Write(box, L"999");
    EXPECT_EQ(model.Text(box), shown) << "box " << box;
  }
}

TEST(ArcmeterRange, RadiusBeyondTheDoubleRangeKeepsTheLastValue) {
  ArcmeterModel model = TenMillimetrePlate();
  model.Write(Box::kRadius, L"1e999");
  EXPECT_DOUBLE_EQ(model.Working().radius, 10);
  ExpectShows(model, {{Box::kRadius, L"1e999"}, {Box::kDiameter, L"20"}, {Box::kArea, L"314.1593"}});
}

TEST(ArcmeterRange, DensityAndThicknessBeyondTheRangeKeepTheirValues) {
  ArcmeterModel model = TenMillimetrePlate();
  model.Write(Box::kDensity, L"-1e400");
  model.Write(Box::kThickness, L"1e400");
  EXPECT_DOUBLE_EQ(model.Working().density, 7850);
  EXPECT_DOUBLE_EQ(model.Working().thickness, 10);
  EXPECT_EQ(model.Text(Box::kWeight), L"0.025");
}

TEST(ArcmeterRange, DiameterBeyondTheRangeLeavesTheRadius) {
  ArcmeterModel model = TenMillimetrePlate();
  model.Write(Box::kDiameter, L"1e999");
  ExpectShows(model, {{Box::kRadius, L"10"}, {Box::kDiameter, L"1e999"}, {Box::kArea, L"314.1593"}});
}

TEST(ArcmeterRange, OverflowingDiameterDoesNotWipeTheRadius) {
  ArcmeterModel model = TenMillimetrePlate();
  model.Write(Box::kRadius, L"1.5e308");
  ExpectShows(model, {
      {Box::kDiameter, kInvalid}, {Box::kRadius, L"1.5e308"}, {Box::kPerimeter, kInvalid}, {Box::kArea, kInvalid},
      {Box::kWeight, kInvalid}});
  // A sensible radius afterwards recovers everything.
  model.Write(Box::kRadius, L"10");
  ExpectShows(model, {{Box::kDiameter, L"20"}, {Box::kArea, L"314.1593"}});
}

TEST(ArcmeterRange, OverflowedAreaIsUsedByTheWeight) {
  ArcmeterModel model;
  model.Write(Box::kThickness, L"10");
  model.Write(Box::kRadius, L"1e200");
  EXPECT_TRUE(std::isinf(model.Working().area));
  ExpectShows(model, {{Box::kArea, kInvalid}, {Box::kWeight, kInvalid}});
  // An empty thickness times an infinite area is undefined, not zero.
  model.Write(Box::kThickness, L"");
  EXPECT_TRUE(std::isnan(model.Working().weight));
  EXPECT_EQ(model.Text(Box::kWeight), kInvalid);
}

TEST(ArcmeterRange, HugeAngleGivesAnUndefinedChord) {
  ArcmeterModel model = TenMillimetrePlate();
  model.Select(Mode::Arc);
  model.Write(Box::kAngle, L"1e308");
  ExpectShows(model, {{Box::kChord, kInvalid}, {Box::kArea, kInvalid}, {Box::kWeight, kInvalid}});
}

}  // namespace
