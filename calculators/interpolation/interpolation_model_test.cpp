#include "calculators/interpolation/interpolation_model.h"

#include <gtest/gtest.h>

using interpolation::InterpolationModel;
using interpolation::kErrorText;

namespace {

// Types the five inputs in the window's order, as a user fills the boxes.
InterpolationModel Filled(const wchar_t* x1, const wchar_t* y1, const wchar_t* x2, const wchar_t* y2,
                          const wchar_t* x) {
  InterpolationModel model;
  model.Write(InterpolationModel::kX1, x1);
  model.Write(InterpolationModel::kY1, y1);
  model.Write(InterpolationModel::kX2, x2);
  model.Write(InterpolationModel::kY2, y2);
  model.Write(InterpolationModel::kX, x);
  return model;
}

std::wstring Result(const InterpolationModel& model) { return model.Text(InterpolationModel::kY); }

}  // namespace

TEST(Interpolation, ReadsTheLineBetweenAndBeyondThePoints) {
  const auto middle = Filled(L"0", L"0", L"10", L"100", L"5");
  EXPECT_EQ(Result(middle), L"50.");  // whole values keep their point
  EXPECT_FALSE(middle.ResultIsError());
  EXPECT_EQ(Result(Filled(L"0", L"0", L"10", L"100", L"2.5")), L"25.");
  EXPECT_EQ(Result(Filled(L"0", L"0", L"10", L"100", L"20")), L"200.");   // beyond x2
  EXPECT_EQ(Result(Filled(L"0", L"0", L"10", L"100", L"-3")), L"-30.");   // before x1
  EXPECT_EQ(Result(Filled(L"0", L"0", L"3", L"1", L"1")), L"0.3333");
  EXPECT_EQ(Result(Filled(L"0", L"0", L"3", L"2", L"1")), L"0.6667");     // rounded up
  // A falling line read between two table rows, points given right to left.
  EXPECT_EQ(Result(Filled(L"200", L"1.2", L"100", L"1.6", L"150")), L"1.4");
}

TEST(Interpolation, BoxesReadByTheNumberRule) {
  EXPECT_EQ(Result(Filled(L"", L"", L"1e1", L"1 00", L"5abc")), L"50.");  // blanks ignored
  EXPECT_EQ(Result(Filled(L"&H0", L"0", L"&HA", L"100", L"5")), L"50.");
  EXPECT_EQ(Result(Filled(L"0", L"0", L"10", L"100", L"1,5")), L"10.");   // a comma ends the number
}

TEST(Interpolation, FirstKeystrokesBeforeTheXBoxesAreFilled) {
  InterpolationModel model;
  EXPECT_EQ(Result(model), L"");  // nothing is calculated before the first edit
  model.Write(InterpolationModel::kY1, L"7");
  EXPECT_EQ(Result(model), kErrorText);  // x2 = x1 = 0
  EXPECT_TRUE(model.ResultIsError());

  InterpolationModel other;
  other.Write(InterpolationModel::kX1, L"1");
  EXPECT_EQ(Result(other), L"0.");
  EXPECT_FALSE(other.ResultIsError());
}

TEST(Interpolation, EqualAbscissasShowTheErrorUntilOneChanges) {
  auto model = Filled(L"5", L"1", L"5", L"2", L"5");
  EXPECT_EQ(Result(model), kErrorText);
  EXPECT_TRUE(model.ResultIsError());
  model.Write(InterpolationModel::kX2, L"6");
  EXPECT_EQ(Result(model), L"1.");
  EXPECT_FALSE(model.ResultIsError());  // black again
  model.Write(InterpolationModel::kX1, L"6");
  EXPECT_TRUE(model.ResultIsError());
}

TEST(Interpolation, NumbersBeyondTheRangeAndOverflowsAreErrors) {
  EXPECT_EQ(Result(Filled(L"1e309", L"0", L"10", L"100", L"5")), kErrorText);
  EXPECT_EQ(Result(Filled(L"0", L"0", L"10", L"100", L"-1D400")), kErrorText);
  // (x - x1) × (y2 - y1) overflows although the division would bring it back.
  EXPECT_EQ(Result(Filled(L"0", L"0", L"1e300", L"1e300", L"1e300")), kErrorText);
  EXPECT_EQ(Result(Filled(L"-1.7e308", L"0", L"1.7e308", L"1", L"0")), kErrorText);  // x2 - x1
  EXPECT_EQ(Result(Filled(L"0", L"1.7e308", L"1", L"1.7e308", L"2")), L"17" + std::wstring(307, L'0') + L".");
  EXPECT_EQ(Result(Filled(L"0", L"1.7e308", L"1", L"1.79e308", L"2")), kErrorText);  // the sum
  EXPECT_EQ(Result(Filled(L"0", L"0", L"1e-300", L"1", L"1e-310")), L"0.");  // tiny run, no failure
}

TEST(Interpolation, AnEditOfTheResultIsOverwrittenAtOnce) {
  auto model = Filled(L"0", L"0", L"10", L"100", L"5");
  EXPECT_TRUE(model.Write(InterpolationModel::kY, L"51"));
  EXPECT_EQ(Result(model), L"50.");
  auto failing = Filled(L"5", L"1", L"5", L"2", L"5");
  failing.Write(InterpolationModel::kY, L"");
  EXPECT_EQ(Result(failing), kErrorText);
  EXPECT_TRUE(failing.ResultIsError());

  // Typing into the result box of a fresh window calculates from empty inputs.
  InterpolationModel fresh;
  fresh.Write(InterpolationModel::kY, L"3");
  EXPECT_EQ(Result(fresh), kErrorText);
}

TEST(Interpolation, InputsAreKeptAsTyped) {
  const auto model = Filled(L" 0", L"0.0", L"1e1", L"100", L"5.");
  EXPECT_EQ(model.Text(InterpolationModel::kX1), L" 0");
  EXPECT_EQ(model.Text(InterpolationModel::kY1), L"0.0");
  EXPECT_EQ(model.Text(InterpolationModel::kX2), L"1e1");
  EXPECT_EQ(model.Text(InterpolationModel::kX), L"5.");
  EXPECT_EQ(Result(model), L"50.");
}
