#include "calculators/lmtd/lmtd_model.h"

#include <gtest/gtest.h>

using lmtd::LmtdModel;
using lmtd::MeanDifferenceText;

TEST(MeanDifference, LogarithmicAndArithmeticMeans) {
  EXPECT_EQ(MeanDifferenceText(L"950", L"550", L"204"), L"520.639");  // ratio 2.156
  EXPECT_EQ(MeanDifferenceText(L"500", L"400", L"204"), L"246.0");    // ratio 1.510
  EXPECT_EQ(MeanDifferenceText(L"270", L"200", L"100"), L"131.919");  // exactly 1.7: logarithmic
  EXPECT_EQ(MeanDifferenceText(L"950", L"550", L""), L"731.872");     // empty medium reads 0
}

TEST(MeanDifference, RatioIsLargerOverSmallerWhicheverEndIsHotter) {
  EXPECT_EQ(MeanDifferenceText(L"400", L"600", L"100"), L"400.0");  // 500/300 < 1.7
  // Differences 100 and 500: the logarithmic mean, also with the outlet hotter.
  EXPECT_EQ(MeanDifferenceText(L"200", L"600", L"100"), L"248.534");
  EXPECT_EQ(MeanDifferenceText(L"600", L"200", L"100"), L"248.534");
}

TEST(MeanDifference, DifferencesNotBothPositiveAreInvalid) {
  EXPECT_EQ(MeanDifferenceText(L"950", L"550", L"550"), lmtd::kInvalidText);  // equal to outlet
  EXPECT_EQ(MeanDifferenceText(L"950", L"550", L"950"), lmtd::kInvalidText);  // equal to inlet
  EXPECT_EQ(MeanDifferenceText(L"950", L"550", L"1000"), lmtd::kInvalidText);
  EXPECT_EQ(MeanDifferenceText(L"", L"550", L"204"), lmtd::kInvalidText);  // inlet reads 0
  EXPECT_EQ(MeanDifferenceText(L"abc", L"x", L"y"), lmtd::kInvalidText);
}

TEST(MeanDifference, FailuresShowTheSameWords) {
  EXPECT_EQ(MeanDifferenceText(L"1e309", L"550", L"204"), lmtd::kInvalidText);  // beyond range
  EXPECT_EQ(MeanDifferenceText(L"1.7e308", L"-1.7e308", L"-1.7e308"), lmtd::kInvalidText);  // overflow
  EXPECT_EQ(MeanDifferenceText(L"1e308", L"1e-300", L"0"), lmtd::kInvalidText);
}

TEST(LmtdModel, ResultEmptyUntilTheFirstEdit) {
  LmtdModel model;
  EXPECT_EQ(model.Text(LmtdModel::kInlet), L"950");
  EXPECT_EQ(model.Text(LmtdModel::kOutlet), L"550");
  EXPECT_EQ(model.Text(LmtdModel::kMedium), L"204");
  EXPECT_EQ(model.Text(LmtdModel::kResult), L"");
}

TEST(LmtdModel, EveryInputEditRecalculatesAndResultEditsDoNot) {
  LmtdModel model;
  model.Write(LmtdModel::kMedium, L"20");
  EXPECT_EQ(model.Text(LmtdModel::kResult), MeanDifferenceText(L"950", L"550", L"20"));
  model.Write(LmtdModel::kMedium, L"204");
  EXPECT_EQ(model.Text(LmtdModel::kResult), L"520.639");
  model.Write(LmtdModel::kResult, L"typed");  // the result box triggers nothing
  EXPECT_EQ(model.Text(LmtdModel::kResult), L"typed");
  model.Write(LmtdModel::kOutlet, L"400");
  EXPECT_EQ(model.Text(LmtdModel::kResult), MeanDifferenceText(L"950", L"400", L"204"));
}
