// Velmora.exe started as a user starts it: the splash, the bar, its popup
// menu, the help and about windows, Esc and 退出.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/velmora_bar_driver.h"
#include "tests/support/e2e_support.h"
#include "ui/os_functions.h"

namespace {

using namespace e2e::velmora;

std::size_t CountOf(DWORD pid, const wchar_t* className) { return e2e::VisibleWindowsOf(pid, className).size(); }
bool WaitGone(DWORD pid, const wchar_t* className) { return WaitForCount(pid, className, 0); }

class VelmoraE2E : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(program_.Started()); }

  DWORD Pid() const { return program_.Id(); }

  // A left press and release on the bar's bare strip makes it the active window.
  static void ActivateBar(HWND bar) {
    RECT r;
    GetWindowRect(bar, &r);
    e2e::BringToFront(bar);
    e2e::ClickAt({r.left + 5, r.top + 9});
  }

  // F1 on the active bar.
  HWND HelpByF1(HWND bar) {
    ActivateBar(bar);
    e2e::PressKey(VK_F1);
    return WaitForOne(Pid(), L"VelmoraHelp");
  }

  // 关于, the menu's second item, chosen from "菜".
  HWND AboutFromMenu(HWND bar) {
    if (!OpenMenu(Pid(), bar)) return nullptr;
    e2e::PressKey(VK_DOWN);
    e2e::PressKey(VK_RETURN);
    return WaitForOne(Pid(), L"VelmoraAbout");
  }

  // The menu opens at the cursor, which may then stand on any of its items
  // and select it; the pointer is put on the first item, so the keyboard
  // starts from there.
  HWND MenuAtFirstItem() {
    const HWND menu = WaitForOne(Pid(), L"#32768");
    if (!menu) return nullptr;
    RECT r;
    GetWindowRect(menu, &r);
    MovePointer({(r.left + r.right) / 2, r.top + 8});
    return menu;
  }

  e2e::Program program_{e2e::DistPath(L"Velmora.exe")};
};

TEST_F(VelmoraE2E, SplashFirstThenTheBarAtOnceOnAVersionClick) {
  const HWND splash = WaitForOne(Pid(), L"VelmoraSplash");
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(CountOf(Pid(), L"VelmoraBar"), 0u);
  const HWND version = e2e::ChildWithText(splash, L"Static", L"Ver:1.1.0");
  ASSERT_NE(version, nullptr);

  e2e::Click(version);
  ASSERT_TRUE(WaitForCount(Pid(), L"VelmoraBar", 1, 3000)) << "the bar did not come at once";
  const HWND bar = WaitForOne(Pid(), L"VelmoraBar");
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraSplash"));

  RECT client, outer;
  GetClientRect(bar, &client);
  GetWindowRect(bar, &outer);
  const UINT dpi = ui::WindowDpi(bar);
  EXPECT_EQ(client.right, MulDiv(840, dpi, 1440));
  EXPECT_EQ(client.bottom, MulDiv(285, dpi, 1440));
  EXPECT_EQ(outer.right - outer.left, client.right) << "the bar has no border";
  EXPECT_TRUE(GetWindowLongW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongW(bar, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));

  // 50 twips from the right edge, 385 above the bottom, to the pixel.
  const int twipsPerPixel = 1440 / static_cast<int>(dpi);
  const int rightGap = (GetSystemMetrics(SM_CXSCREEN) - outer.right) * 1440 / static_cast<int>(dpi);
  const int bottomGap = (GetSystemMetrics(SM_CYSCREEN) - outer.bottom) * 1440 / static_cast<int>(dpi);
  EXPECT_NEAR(rightGap, 50, twipsPerPixel);
  EXPECT_NEAR(bottomGap, 385, twipsPerPixel);
}

TEST_F(VelmoraE2E, WithoutAClickTheBarComesAfterAboutSixSeconds) {
  ASSERT_NE(WaitForOne(Pid(), L"VelmoraSplash"), nullptr);
  const ULONGLONG seen = GetTickCount64();
  ASSERT_NE(WaitForOne(Pid(), L"VelmoraBar"), nullptr);
  const ULONGLONG waited = GetTickCount64() - seen;
  // More than five whole seconds on the splash's clock; the splash was seen
  // a little after it opened.
  EXPECT_GE(waited, 4000u);
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraSplash"));
}

TEST_F(VelmoraE2E, MenuFromCaiHasElevenChoicesWithFourSubmenus) {
  const HWND bar = BarByVersionClick(Pid());
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(OpenMenu(Pid(), bar));
  // Walking down with the keyboard skips separators; Right opens a submenu
  // only on a submenu head. Eleven steps down wrap round to the first item.
  const std::vector<bool> submenus = {false, false, false, true, true, true, true, false, false, false, false,
                                      false, false, false, true};
  for (std::size_t step = 0; step < submenus.size(); ++step) {
    if (step > 0) e2e::PressKey(VK_DOWN);
    e2e::PressKey(VK_RIGHT);
    const bool opened = WaitForCount(Pid(), L"#32768", 2, 1500);
    EXPECT_EQ(opened, submenus[step]) << "item " << step + 1;
    if (opened) {
      e2e::PressKey(VK_LEFT);
      ASSERT_TRUE(WaitForCount(Pid(), L"#32768", 1));
    }
  }
  e2e::PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitGone(Pid(), L"#32768"));
}

TEST_F(VelmoraE2E, RightPressOnTheStripOpensTheMenuAndTheFirstTwoItemsAreHelpAndAbout) {
  const HWND bar = BarByVersionClick(Pid());
  ASSERT_NE(bar, nullptr);
  RECT r;
  GetWindowRect(bar, &r);
  e2e::ClickAt({r.left + 5, r.top + 9}, true);
  ASSERT_NE(MenuAtFirstItem(), nullptr);
  e2e::PressKey(VK_RETURN);
  const HWND help = WaitForOne(Pid(), L"VelmoraHelp");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(e2e::TextOf(help), L"Tesmarin帮助");
  EXPECT_NE(e2e::ChildWithText(help, L"Static", L"版本 1.1.0"), nullptr);
  ASSERT_NE(WaitForOne(Pid(), L"VelmoraBar"), nullptr) << "the bar is shown again";

  const HWND about = AboutFromMenu(bar);
  ASSERT_NE(about, nullptr);
  const HWND version = e2e::ChildWithText(about, L"Static", L"Ver:1.1.0");
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(CountOf(Pid(), L"VelmoraHelp"), 1u);

  // With the bar open, the version label closes about and leaves one bar.
  e2e::Click(version);
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraAbout"));
  EXPECT_EQ(CountOf(Pid(), L"VelmoraBar"), 1u);
  EXPECT_TRUE(IsWindow(bar)) << "the bar is the same window, not a new one";
}

TEST_F(VelmoraE2E, F1OpensHelpOnceAndHelpOpensAbout) {
  const HWND bar = BarByVersionClick(Pid());
  ASSERT_NE(bar, nullptr);
  const HWND help = HelpByF1(bar);
  ASSERT_NE(help, nullptr);
  HelpByF1(bar);
  e2e::Settle(500);
  EXPECT_EQ(CountOf(Pid(), L"VelmoraHelp"), 1u);

  e2e::Click(e2e::ChildWithText(help, L"Button", L"关于"));
  const HWND about = WaitForOne(Pid(), L"VelmoraAbout");
  ASSERT_NE(about, nullptr);
  // A click on the about window's background closes it and leaves help open.
  RECT r;
  GetWindowRect(about, &r);
  e2e::BringToFront(about);
  e2e::ClickAt({r.right - 8, r.bottom - 8});
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraAbout"));
  EXPECT_EQ(CountOf(Pid(), L"VelmoraHelp"), 1u);
  EXPECT_EQ(CountOf(Pid(), L"VelmoraBar"), 1u);
}

TEST_F(VelmoraE2E, EscClosesOnlyTheBarAndTheLastWindowEndsTheProgram) {
  const HWND bar = BarByVersionClick(Pid());
  ASSERT_NE(bar, nullptr);
  const HWND help = HelpByF1(bar);
  ASSERT_NE(help, nullptr);
  ActivateBar(bar);
  e2e::PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraBar"));
  EXPECT_FALSE(IsWindow(bar));
  EXPECT_FALSE(program_.WaitForExit(500));
  EXPECT_EQ(CountOf(Pid(), L"VelmoraHelp"), 1u);

  e2e::Click(e2e::ChildWithText(help, L"Button", L"确定"));
  EXPECT_TRUE(program_.WaitForExit(kDeadline)) << "no window left, yet the program runs on";
}

TEST_F(VelmoraE2E, AboutVersionLabelBringsTheBarBackAfterEsc) {
  const HWND bar = BarByVersionClick(Pid());
  ASSERT_NE(bar, nullptr);
  const HWND about = AboutFromMenu(bar);
  ASSERT_NE(about, nullptr);
  ActivateBar(bar);
  e2e::PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitGone(Pid(), L"VelmoraBar"));

  e2e::Click(e2e::ChildWithText(about, L"Static", L"Ver:1.1.0"));
  const HWND again = WaitForOne(Pid(), L"VelmoraBar");
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraAbout"));
  EXPECT_TRUE(GetWindowLongW(again, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(VelmoraE2E, AKeyClosesTheAboutWindowAndLeavesTheBar) {
  const HWND bar = BarByVersionClick(Pid());
  ASSERT_NE(bar, nullptr);
  const HWND about = AboutFromMenu(bar);
  ASSERT_NE(about, nullptr);
  e2e::BringToFront(about);
  e2e::PressKey('A');
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraAbout"));
  EXPECT_EQ(CountOf(Pid(), L"VelmoraBar"), 1u);
}

TEST_F(VelmoraE2E, ExitEndsTheProgramWithHelpAndAboutOpen) {
  const HWND bar = BarByVersionClick(Pid());
  ASSERT_NE(bar, nullptr);
  const HWND help = HelpByF1(bar);
  ASSERT_NE(help, nullptr);
  e2e::Click(e2e::ChildWithText(help, L"Button", L"关于"));
  ASSERT_NE(WaitForOne(Pid(), L"VelmoraAbout"), nullptr);

  ASSERT_TRUE(OpenMenu(Pid(), bar));
  e2e::PressKey(VK_UP);  // from the first item Up wraps round to the last: 退出
  e2e::PressKey(VK_RETURN);
  EXPECT_TRUE(program_.WaitForExit(kDeadline));
}

TEST_F(VelmoraE2E, DraggingTheStripKeepsTheGrabbedPointUnderTheCursor) {
  const HWND bar = BarByVersionClick(Pid());
  ASSERT_NE(bar, nullptr);
  RECT before;
  GetWindowRect(bar, &before);
  e2e::BringToFront(bar);
  const POINT grab{before.left + 6, before.top + 10};
  const POINT drop{700, 400};  // far outside the bar
  const int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
  auto mouse = [&](POINT at, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(at.x, 65535, w);
    in.mi.dy = MulDiv(at.y, 65535, h);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    SendInput(1, &in, sizeof in);
    e2e::Settle(100);
  };
  mouse(grab, MOUSEEVENTF_LEFTDOWN);
  mouse({400, 300}, 0);
  mouse(drop, 0);
  mouse(drop, MOUSEEVENTF_LEFTUP);
  RECT after{};
  const ULONGLONG end = GetTickCount64() + 5000;
  do {
    GetWindowRect(bar, &after);
    if (after.left == drop.x - 6) break;
    e2e::Settle(50);
  } while (GetTickCount64() < end);
  EXPECT_NEAR(after.left, drop.x - 6, 1);
  EXPECT_NEAR(after.top, drop.y - 10, 1);
  // Released: moving on leaves the bar where it is.
  mouse({900, 600}, 0);
  RECT still;
  GetWindowRect(bar, &still);
  EXPECT_EQ(still.left, after.left);
}

}  // namespace
