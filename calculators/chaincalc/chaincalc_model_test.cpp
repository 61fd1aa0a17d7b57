#include "calculators/chaincalc/chaincalc_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calculators/common/number_format.h"

namespace {

using chaincalc::ChaincalcModel;
using chaincalc::Row;

const std::wstring kInvalid(calc::kNotANumberText);

constexpr std::size_t First(Row row) { return ChaincalcModel::FirstOperand(row); }
constexpr std::size_t Second(Row row) { return ChaincalcModel::SecondOperand(row); }
constexpr std::size_t Result(Row row) { return ChaincalcModel::Result(row); }

// Fills one row's operands and returns its result text.
std::wstring Compute(ChaincalcModel& model, Row row, const std::wstring& a, const std::wstring& b) {
  model.Write(First(row), a);
  model.Write(Second(row), b);
  return model.Text(Result(row));
}

TEST(ChaincalcStart, AllBoxesEmptyUntilTheFirstEdit) {
  const ChaincalcModel model;
  for (std::size_t box = 0; box < ChaincalcModel::kBoxCount; ++box) EXPECT_EQ(model.Text(box), L"") << box;
}

TEST(ChaincalcStart, FirstKeystrokeFillsEveryResult) {
  ChaincalcModel model;
  model.Write(First(Row::Addition), L"5");
  EXPECT_EQ(model.Text(Result(Row::Addition)), L"5");
  EXPECT_EQ(model.Text(Result(Row::Subtraction)), L"0");
  EXPECT_EQ(model.Text(Result(Row::Multiplication)), L"0");
  // The still empty division row is 0 ÷ 0: shown readably, nothing stops.
  EXPECT_EQ(model.Text(Result(Row::Division)), kInvalid);
  EXPECT_TRUE(std::isnan(model.Value(Result(Row::Division))));
  // Operands are never rewritten.
  EXPECT_EQ(model.Text(First(Row::Subtraction)), L"");
}

TEST(ChaincalcRows, FourOperationsInGeneralNumberText) {
  ChaincalcModel model;
  EXPECT_EQ(Compute(model, Row::Addition, L"3", L"4"), L"7");
  EXPECT_EQ(Compute(model, Row::Addition, L"0.1", L"0.2"), L"0.3");
  EXPECT_EQ(Compute(model, Row::Subtraction, L"12", L"20"), L"-8");
  EXPECT_EQ(Compute(model, Row::Multiplication, L"1e10", L"1e10"), L"1E+20");
  EXPECT_EQ(Compute(model, Row::Division, L"1", L"3"), L"0.333333333333333");
  EXPECT_EQ(Compute(model, Row::Division, L"1", L"-8"), L"-0.125");
  // Letters end a number; blanks inside it are ignored.
  EXPECT_EQ(Compute(model, Row::Addition, L"1 2", L"3abc"), L"15");
}

TEST(ChaincalcChain, AdditionRunsATotal) {
  ChaincalcModel model;
  EXPECT_EQ(Compute(model, Row::Addition, L"3", L"4"), L"7");
  model.Chain(Row::Addition);
  EXPECT_EQ(model.Text(First(Row::Addition)), L"7");
  EXPECT_EQ(model.Text(Result(Row::Addition)), L"11");
  model.Chain(Row::Addition);
  EXPECT_EQ(model.Text(Result(Row::Addition)), L"15");
}

TEST(ChaincalcChain, EachRowRepeatsItsOperation) {
  ChaincalcModel model;
  EXPECT_EQ(Compute(model, Row::Division, L"10", L"4"), L"2.5");
  model.Chain(Row::Division);
  EXPECT_EQ(model.Text(Result(Row::Division)), L"0.625");
  EXPECT_EQ(Compute(model, Row::Subtraction, L"10", L"3"), L"7");
  model.Chain(Row::Subtraction);
  EXPECT_EQ(model.Text(Result(Row::Subtraction)), L"4");
  EXPECT_EQ(Compute(model, Row::Multiplication, L"2", L"3"), L"6");
  model.Chain(Row::Multiplication);
  EXPECT_EQ(model.Text(Result(Row::Multiplication)), L"18");
  // Other rows are left alone by a chain.
  EXPECT_EQ(model.Text(First(Row::Division)), L"2.5");
}

TEST(ChaincalcChain, CopiesTheTextNotTheValue) {
  ChaincalcModel model;
  // The shown 0.333333333333333 is less than a third: chaining goes on with
  // the shown digits, not the exact quotient.
  Compute(model, Row::Division, L"1", L"3");
  model.Chain(Row::Division);
  EXPECT_EQ(model.Text(First(Row::Division)), L"0.333333333333333");
  EXPECT_EQ(model.Value(First(Row::Division)), 0.333333333333333);
  EXPECT_NE(model.Value(First(Row::Division)), 1.0 / 3);
  EXPECT_EQ(model.Text(Result(Row::Division)), L"0.111111111111111");
}

TEST(ChaincalcChain, NothingChangesWhenTheResultAlreadyIsTheOperand) {
  ChaincalcModel model;
  Compute(model, Row::Subtraction, L"0", L"0");
  model.Chain(Row::Subtraction);
  EXPECT_EQ(model.Text(First(Row::Subtraction)), L"0");
  EXPECT_EQ(model.Text(Result(Row::Subtraction)), L"0");
}

TEST(ChaincalcResults, TypingIntoAResultIsUndone) {
  ChaincalcModel model;
  Compute(model, Row::Addition, L"3", L"4");
  for (const Row row : {Row::Addition, Row::Subtraction, Row::Multiplication, Row::Division}) {
    const std::wstring shown = model.Text(Result(row));
    model.Write(Result(row), L"42");
    EXPECT_EQ(model.Text(Result(row)), shown);
    model.Write(Result(row), L"");
    EXPECT_EQ(model.Text(Result(row)), shown);
  }
}

TEST(ChaincalcZeroDivisor, QuotientIsReadableAndTheChainGoesOn) {
  ChaincalcModel model;
  EXPECT_EQ(Compute(model, Row::Division, L"5", L"0"), kInvalid);
  EXPECT_TRUE(std::isinf(model.Value(Result(Row::Division))));
  EXPECT_EQ(Compute(model, Row::Division, L"-5", L"0"), kInvalid);
  // The chain copies the text as shown; it reads as 0, so the next quotient is 0.
  model.Write(Second(Row::Division), L"2");
  model.Write(Second(Row::Division), L"0");
  model.Chain(Row::Division);
  EXPECT_EQ(model.Text(First(Row::Division)), kInvalid);
  EXPECT_EQ(model.Text(Result(Row::Division)), kInvalid);  // 0 ÷ 0
  model.Write(Second(Row::Division), L"4");
  EXPECT_EQ(model.Text(Result(Row::Division)), L"0");
  // The other rows keep working.
  EXPECT_EQ(Compute(model, Row::Addition, L"1", L"2"), L"3");
}

TEST(ChaincalcRange, OperandBeyondTheDoubleRangeKeepsItsValue) {
  ChaincalcModel model;
  EXPECT_EQ(Compute(model, Row::Addition, L"3", L"4"), L"7");
  model.Write(First(Row::Addition), L"1e999");
  EXPECT_DOUBLE_EQ(model.Value(First(Row::Addition)), 3);
  EXPECT_EQ(model.Text(Result(Row::Addition)), L"7");
}

TEST(ChaincalcRange, OverflowShowsTheReadableTextAndLaterRowsGoOn) {
  ChaincalcModel model;
  EXPECT_EQ(Compute(model, Row::Multiplication, L"1e200", L"1e200"), kInvalid);
  EXPECT_EQ(Compute(model, Row::Addition, L"1.7e308", L"1.7e308"), kInvalid);
  EXPECT_EQ(Compute(model, Row::Division, L"9", L"3"), L"3");
  // Chaining an overflowed product restarts from 0.
  model.Chain(Row::Multiplication);
  EXPECT_EQ(model.Text(Result(Row::Multiplication)), L"0");
}

}  // namespace
