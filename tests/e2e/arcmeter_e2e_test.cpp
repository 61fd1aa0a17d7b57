// Arcmeter started as a user starts it, typed into with real key events.
#include <gtest/gtest.h>

#include "tests/support/e2e_support.h"
#include "ui/maker.h"

namespace {

const std::wstring kCaption = std::wstring(L"圆和圆弧周长面积计算  ") + maker::kWebAddress;

class ArcmeterE2E : public ::testing::Test {
 protected:
  // The text boxes in tab order.
  enum Edit { kAngle, kRadius, kDiameter, kPerimeter, kArea, kArcLength, kChord, kThickness, kDensity, kWeight };

  void SetUp() override {
    ASSERT_TRUE(program_.Started());
    window_ = e2e::WaitForWindow(program_.Id(), kCaption);
    ASSERT_NE(window_, nullptr);
    edits_ = e2e::ChildrenOfClass(window_, L"Edit");
    ASSERT_EQ(edits_.size(), 10u);
  }

  HWND Box(Edit e) const { return edits_[e]; }
  std::wstring Shows(Edit e, const std::wstring& expected) const { return e2e::WaitForText(Box(e), expected); }
  HWND Button(const std::wstring& caption) const { return e2e::ChildWithText(window_, L"Button", caption); }

  e2e::Program program_{e2e::DistPath(L"Kelvo软件/Arcmeter.exe")};
  HWND window_ = nullptr;
  std::vector<HWND> edits_;
};

TEST_F(ArcmeterE2E, OpensCentredResizableInCircleModeWithOnlyTheDensity) {
  for (int e = kAngle; e <= kWeight; ++e) {
    EXPECT_EQ(e2e::TextOf(edits_[e]), e == kDensity ? L"7850" : L"") << "box " << e;
  }
  EXPECT_FALSE(IsWindowEnabled(Box(kAngle)));
  EXPECT_EQ(SendMessageW(Button(L"圆"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Button(L"弧  圆心角(·)"), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  EXPECT_TRUE(GetWindowLongW(window_, GWL_STYLE) & WS_THICKFRAME);

  EXPECT_LE(e2e::DistanceFromWorkAreaCentre(window_), 2);
}

TEST_F(ArcmeterE2E, CircleThenArcThenCircleAgain) {
  e2e::ReplaceText(Box(kRadius), L"10");
  e2e::ReplaceText(Box(kThickness), L"10");
  EXPECT_EQ(Shows(kArea, L"314.1593"), L"314.1593");
  EXPECT_EQ(Shows(kWeight, L"0.025"), L"0.025");
  EXPECT_EQ(Shows(kDiameter, L"20"), L"20");

  e2e::Click(Button(L"弧  圆心角(·)"));
  EXPECT_TRUE(IsWindowEnabled(Box(kAngle)));
  e2e::ReplaceText(Box(kAngle), L"90");
  EXPECT_EQ(Shows(kArea, L"78.5398"), L"78.5398");
  EXPECT_EQ(Shows(kChord, L"14.1421"), L"14.1421");

  e2e::Click(Button(L"圆"));
  EXPECT_EQ(Shows(kArea, L"314.1593"), L"314.1593");
  EXPECT_FALSE(IsWindowEnabled(Box(kAngle)));
}

TEST_F(ArcmeterE2E, DiameterAndRadiusFollowEachOther) {
  e2e::ReplaceText(Box(kDiameter), L"5");
  EXPECT_EQ(Shows(kRadius, L"2.5"), L"2.5");
  e2e::TypeText(L".0");
  EXPECT_EQ(Shows(kDiameter, L"5.0"), L"5.0");
  EXPECT_EQ(e2e::TextOf(Box(kRadius)), L"2.5");

  e2e::ReplaceText(Box(kRadius), L"");
  EXPECT_EQ(Shows(kDiameter, L"0"), L"0");
  EXPECT_EQ(Shows(kRadius, L"0"), L"0");
}

TEST_F(ArcmeterE2E, HelpGreetsAndExitEndsTheProgram) {
  e2e::Click(Button(L"帮助"));
  HWND box = nullptr;
  for (int i = 0; i < 100 && !box; ++i, e2e::Settle(50)) box = e2e::FindWindowOf(program_.Id(), L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(e2e::TextOf(box), L"计算周长、面积的小程序");
  const std::wstring greeting = std::wstring(L"你好，欢迎使用Kelvo小工具软件，更多精彩请光临我们的网站") +
                                maker::kWebAddress + L",QQ:" + maker::kQqNumber;
  EXPECT_NE(e2e::ChildWithText(box, L"Static", greeting), nullptr);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  e2e::Settle(300);

  e2e::Click(Button(L"退出"));
  EXPECT_TRUE(program_.WaitForExit(10000));
}

}  // namespace
