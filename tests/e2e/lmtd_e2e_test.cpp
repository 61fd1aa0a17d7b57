// Lmtdcalc started as a user starts it, typed into with real key events.
#include <gtest/gtest.h>

#include "tests/support/e2e_support.h"
#include "ui/os_functions.h"

namespace {

class LmtdE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program_.Started());
    window_ = e2e::WaitForWindow(program_.Id(), L"计算温差");
    ASSERT_NE(window_, nullptr);
    edits_ = e2e::ChildrenOfClass(window_, L"Edit");
    ASSERT_EQ(edits_.size(), 4u);
  }

  // Types the three temperatures and returns what the result box settles on.
  std::wstring Compute(const std::wstring& inlet, const std::wstring& outlet, const std::wstring& medium,
                       const std::wstring& expected) {
    e2e::ReplaceText(edits_[0], inlet);
    e2e::ReplaceText(edits_[1], outlet);
    e2e::ReplaceText(edits_[2], medium);
    return e2e::WaitForText(edits_[3], expected);
  }

  e2e::Program program_{e2e::DistPath(L"Kelvo软件/Lmtdcalc.exe")};
  HWND window_ = nullptr;
  std::vector<HWND> edits_;
};

TEST_F(LmtdE2E, OpensCentredWithStartValuesAndEmptyResult) {
  EXPECT_EQ(e2e::TextOf(edits_[0]), L"950");
  EXPECT_EQ(e2e::TextOf(edits_[1]), L"550");
  EXPECT_EQ(e2e::TextOf(edits_[2]), L"204");
  EXPECT_EQ(e2e::TextOf(edits_[3]), L"");

  RECT client;
  GetClientRect(window_, &client);
  const UINT dpi = ui::WindowDpi(window_);
  EXPECT_EQ(client.right, MulDiv(4680, dpi, 1440));
  EXPECT_EQ(client.bottom, MulDiv(4095, dpi, 1440));
  const LONG style = GetWindowLongW(window_, GWL_STYLE);
  EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_THICKFRAME));

  EXPECT_LE(e2e::DistanceFromWorkAreaCentre(window_), 2);
}

TEST_F(LmtdE2E, ResultsFollowTheTyping) {
  EXPECT_EQ(Compute(L"950", L"550", L"204", L"520.639"), L"520.639");
  EXPECT_EQ(Compute(L"500", L"400", L"204", L"246.0"), L"246.0");
  EXPECT_EQ(Compute(L"270", L"200", L"100", L"131.919"), L"131.919");
  EXPECT_EQ(Compute(L"400", L"600", L"100", L"400.0"), L"400.0");
  // Differences 100 and 500: larger over smaller gives the logarithmic mean.
  EXPECT_EQ(Compute(L"200", L"600", L"100", L"248.534"), L"248.534");
}

TEST_F(LmtdE2E, MediumAtOrAboveAGasTemperatureIsInvalid) {
  EXPECT_EQ(Compute(L"950", L"550", L"550", L"非法数据"), L"非法数据");
  EXPECT_EQ(Compute(L"950", L"550", L"990", L"非法数据"), L"非法数据");
  EXPECT_EQ(Compute(L"950", L"550", L"", L"731.872"), L"731.872");
}

TEST_F(LmtdE2E, HelpShowsTheRuleAndExitEndsTheProgram) {
  e2e::Click(e2e::ChildWithText(window_, L"Button", L"帮助"));
  HWND box = nullptr;
  for (int i = 0; i < 100 && !box; ++i, e2e::Settle(50)) box = e2e::FindWindowOf(program_.Id(), L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(e2e::TextOf(box), L"Lmtdcalc");
  bool ruleShown = false;
  for (HWND s : e2e::ChildrenOfClass(box, L"Static")) {
    const std::wstring text = e2e::TextOf(s);
    if (text.find(L"您好，欢迎使用Kelvo小工具软件") == 0 &&
        text.find(L",QQ:") != std::wstring::npos &&
        text.find(L"\r算法,如果大温差/小温差<1.7则取平均值，否则取(dtmax - dtmin) / Le(dtmax / dtmin)") !=
            std::wstring::npos) {
      ruleShown = true;
    }
  }
  EXPECT_TRUE(ruleShown);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  e2e::Settle(300);

  e2e::Click(e2e::ChildWithText(window_, L"Button", L"退出"));
  EXPECT_TRUE(program_.WaitForExit(10000));
}

}  // namespace
