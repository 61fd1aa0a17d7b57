// Velmora.exe started as a user starts it: the splash, the bar in its
// corner, dragging it, the help and about windows, Esc and 退出.
#include <gtest/gtest.h>

#include "tests/e2e/velmora_bar_driver.h"
#include "tests/support/e2e_support.h"

namespace {

using namespace e2e::velmora;

std::size_t CountOf(DWORD pid, const wchar_t* className) { return e2e::VisibleWindowsOf(pid, className).size(); }
bool WaitGone(DWORD pid, const wchar_t* className) { return WaitForCount(pid, className, 0); }

void Mouse(POINT at, DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
  SendInput(1, &in, sizeof in);
  e2e::Settle(100);
}

class VelmoraE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program_.Started());
    bar_ = BarByVersionClick(Pid());
    ASSERT_NE(bar_, nullptr);
  }
  DWORD Pid() const { return program_.Id(); }

  // F1 on the bar, made active by a press on its bare strip.
  HWND HelpByF1() {
    RECT r;
    GetWindowRect(bar_, &r);
    e2e::BringToFront(bar_);
    e2e::ClickAt({r.left + 5, r.top + 9});
    e2e::PressKey(VK_F1);
    return WaitForOne(Pid(), L"VelmoraHelp");
  }
  HWND AboutFromMenu() {
    if (!OpenMenu(Pid(), bar_) || !ChooseByKeys(Pid(), {1})) return nullptr;
    return WaitForOne(Pid(), L"VelmoraAbout");
  }
  void EscOnTheBar() {
    RECT r;
    GetWindowRect(bar_, &r);
    e2e::BringToFront(bar_);
    e2e::ClickAt({r.left + 5, r.top + 9});
    e2e::PressKey(VK_ESCAPE);
  }

  e2e::Program program_{e2e::DistPath(L"Velmora.exe")};
  HWND bar_ = nullptr;
};

TEST_F(VelmoraE2E, TheBarStandsInTheWorkAreasCornerAndFollowsADrag) {
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraSplash"));
  RECT client, outer, work;
  GetClientRect(bar_, &client);
  GetWindowRect(bar_, &outer);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int dpi = static_cast<int>(GetDpiForWindow(bar_));
  EXPECT_EQ(client.right, MulDiv(840, dpi, 1440));
  EXPECT_EQ(client.bottom, MulDiv(285, dpi, 1440));
  EXPECT_EQ(outer.right - outer.left, client.right) << "the bar has no border";
  EXPECT_TRUE(GetWindowLongW(bar_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_NEAR((work.right - outer.right) * 1440 / dpi, 50, 1440 / dpi);
  EXPECT_NEAR((work.bottom - outer.bottom) * 1440 / dpi, 385, 1440 / dpi);

  // The grabbed point stays under the cursor, far outside the bar too.
  e2e::BringToFront(bar_);
  Mouse({outer.left + 6, outer.top + 10}, MOUSEEVENTF_LEFTDOWN);
  Mouse({400, 300}, 0);
  Mouse({700, 400}, 0);
  Mouse({700, 400}, MOUSEEVENTF_LEFTUP);
  RECT after{};
  const ULONGLONG end = GetTickCount64() + 5000;
  while (GetWindowRect(bar_, &after) && after.left != 694 && GetTickCount64() < end) e2e::Settle(50);
  EXPECT_NEAR(after.left, 694, 1);
  EXPECT_NEAR(after.top, 390, 1);
  Mouse({900, 600}, 0);  // released: moving on leaves it
  RECT still;
  GetWindowRect(bar_, &still);
  EXPECT_EQ(still.left, after.left);
}

TEST_F(VelmoraE2E, EscClosesOnlyTheBarAndTheLastWindowEndsTheProgram) {
  const HWND help = HelpByF1();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(e2e::TextOf(help), L"Tesmarin帮助");
  HelpByF1();
  e2e::Settle(500);
  EXPECT_EQ(CountOf(Pid(), L"VelmoraHelp"), 1u) << "one shared help window";
  EscOnTheBar();
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraBar"));
  EXPECT_FALSE(program_.WaitForExit(500));
  e2e::Click(e2e::ChildWithText(help, L"Button", L"确定"));
  EXPECT_TRUE(program_.WaitForExit(kDeadline)) << "no window left, yet the program runs on";
}

TEST_F(VelmoraE2E, AboutBringsTheBarBackAfterEscAndExitEndsEverything) {
  ASSERT_NE(HelpByF1(), nullptr);
  const HWND about = AboutFromMenu();
  ASSERT_NE(about, nullptr);
  EscOnTheBar();
  ASSERT_TRUE(WaitGone(Pid(), L"VelmoraBar"));
  e2e::Click(e2e::ChildWithText(about, L"Static", L"Ver:1.1.0"));
  bar_ = WaitForOne(Pid(), L"VelmoraBar");
  ASSERT_NE(bar_, nullptr) << "a new bar";
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraAbout"));
  ASSERT_TRUE(OpenMenu(Pid(), bar_));
  e2e::PressKey(VK_UP);  // from the first item Up wraps round to the last: 退出
  e2e::PressKey(VK_RETURN);
  EXPECT_TRUE(program_.WaitForExit(kDeadline)) << "退出 ends the program with help still open";
}

}  // namespace
