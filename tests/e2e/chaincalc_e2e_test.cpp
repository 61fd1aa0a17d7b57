// Chaincalc started as a user starts it, typed into and its chain buttons
// clicked with real input events.
#include <gtest/gtest.h>

#include "tests/support/e2e_support.h"
#include "ui/maker.h"

namespace {

const std::wstring kNotANumber = L"无效数值";

class ChaincalcE2E : public ::testing::Test {
 protected:
  enum Row { kAddition, kSubtraction, kMultiplication, kDivision };

  void SetUp() override {
    ASSERT_TRUE(program_.Started());
    window_ = e2e::WaitForWindow(program_.Id(), L"Chaincalc四则运算");
    ASSERT_NE(window_, nullptr);
    edits_ = e2e::ChildrenOfClass(window_, L"Edit");
    ASSERT_EQ(edits_.size(), 12u);
  }

  HWND First(Row row) const { return edits_[row * 3]; }
  HWND Second(Row row) const { return edits_[row * 3 + 1]; }
  HWND Result(Row row) const { return edits_[row * 3 + 2]; }

  // Types both operands of a row and returns what its result settles on.
  std::wstring Compute(Row row, const std::wstring& a, const std::wstring& b, const std::wstring& expected) {
    e2e::ReplaceText(First(row), a);
    e2e::ReplaceText(Second(row), b);
    return e2e::WaitForText(Result(row), expected);
  }

  std::wstring ChainAndWait(const std::wstring& caption, Row row, const std::wstring& expected) {
    e2e::Click(e2e::ChildWithText(window_, L"Button", caption));
    return e2e::WaitForText(Result(row), expected);
  }

  e2e::Program program_{e2e::DistPath(L"Kelvo软件/Chaincalc.exe")};
  HWND window_ = nullptr;
  std::vector<HWND> edits_;
};

TEST_F(ChaincalcE2E, OpensCentredFixedAndEmpty) {
  for (HWND edit : edits_) EXPECT_EQ(e2e::TextOf(edit), L"");
  const LONG style = GetWindowLongW(window_, GWL_STYLE);
  EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_THICKFRAME));

  EXPECT_LE(e2e::DistanceFromWorkAreaCentre(window_), 2);
}

TEST_F(ChaincalcE2E, FirstKeystrokeFillsEveryRowAndTheEmptyQuotientIsReadable) {
  e2e::ReplaceText(First(kAddition), L"5");
  EXPECT_EQ(e2e::WaitForText(Result(kAddition), L"5"), L"5");
  EXPECT_EQ(e2e::WaitForText(Result(kSubtraction), L"0"), L"0");
  EXPECT_EQ(e2e::WaitForText(Result(kMultiplication), L"0"), L"0");
  EXPECT_EQ(e2e::WaitForText(Result(kDivision), kNotANumber), kNotANumber);
}

TEST_F(ChaincalcE2E, ChainButtonsRepeatTheOperation) {
  EXPECT_EQ(Compute(kAddition, L"3", L"4", L"7"), L"7");
  EXPECT_EQ(ChainAndWait(L"连加", kAddition, L"11"), L"11");
  EXPECT_EQ(e2e::TextOf(First(kAddition)), L"7");
  EXPECT_EQ(ChainAndWait(L"连加", kAddition, L"15"), L"15");

  EXPECT_EQ(Compute(kDivision, L"10", L"4", L"2.5"), L"2.5");
  EXPECT_EQ(ChainAndWait(L"连除", kDivision, L"0.625"), L"0.625");
}

TEST_F(ChaincalcE2E, ZeroDivisorNeverStopsTheProgram) {
  EXPECT_EQ(Compute(kDivision, L"5", L"0", kNotANumber), kNotANumber);
  e2e::Click(e2e::ChildWithText(window_, L"Button", L"连除"));
  EXPECT_EQ(e2e::WaitForText(First(kDivision), kNotANumber), kNotANumber);
  e2e::ReplaceText(Second(kDivision), L"4");
  EXPECT_EQ(e2e::WaitForText(Result(kDivision), L"0"), L"0");
  EXPECT_FALSE(program_.WaitForExit(0));
}

TEST_F(ChaincalcE2E, HelpGreetsAndExitEndsTheProgram) {
  e2e::Click(e2e::ChildWithText(window_, L"Button", L"帮助"));
  HWND box = nullptr;
  for (int i = 0; i < 100 && !box; ++i, e2e::Settle(50)) box = e2e::FindWindowOf(program_.Id(), L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(e2e::TextOf(box), L"Chaincalc");
  const std::wstring greeting = std::wstring(L"您好，欢迎使用Kelvo小工具软件，更多精彩请光临我们的网站") +
                                maker::kWebAddress + L",QQ:" + maker::kQqNumber;
  EXPECT_NE(e2e::ChildWithText(box, L"Static", greeting), nullptr);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  e2e::Settle(300);

  e2e::Click(e2e::ChildWithText(window_, L"Button", L"退出"));
  EXPECT_TRUE(program_.WaitForExit(10000));
}

}  // namespace
