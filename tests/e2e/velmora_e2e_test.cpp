// Velmora.exe started as a user starts it: the splash, the bar, its popup
// menu, the help and about windows, Esc and 退出.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/e2e_support.h"

namespace {

constexpr int kDeadline = 20000;

struct ClassSearch {
  DWORD pid;
  const wchar_t* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<ClassSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->pid && IsWindowVisible(hwnd) && e2e::ClassOf(hwnd) == s->className) s->found.push_back(hwnd);
  return TRUE;
}

// The visible top-level windows of a class in the program.
std::vector<HWND> WindowsOf(DWORD pid, const wchar_t* className) {
  ClassSearch s{pid, className, {}};
  EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// Waits until the program shows `count` windows of a class; returns the first.
HWND WaitForCount(DWORD pid, const wchar_t* className, std::size_t count, int milliseconds = kDeadline) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    const auto found = WindowsOf(pid, className);
    if (found.size() == count) return count ? found.front() : nullptr;
    if (GetTickCount64() > end) return reinterpret_cast<HWND>(-1);
    e2e::Settle(50);
  }
}

HWND WaitFor(DWORD pid, const wchar_t* className) {
  const HWND h = WaitForCount(pid, className, 1);
  return h == reinterpret_cast<HWND>(-1) ? nullptr : h;
}

bool WaitGone(DWORD pid, const wchar_t* className) { return WaitForCount(pid, className, 0) == nullptr; }

class VelmoraE2E : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(program_.Started()); }

  DWORD Pid() const { return program_.Id(); }

  // The splash's version label skips the rest of its wait.
  HWND BarByVersionClick() {
    const HWND splash = WaitFor(Pid(), L"VelmoraSplash");
    if (!splash) return nullptr;
    e2e::Click(e2e::ChildWithText(splash, L"Static", L"Ver:1.1.0"));
    return WaitFor(Pid(), L"VelmoraBar");
  }

  // A left press and release on the bar's bare strip makes it the active window.
  static void ActivateBar(HWND bar) {
    RECT r;
    GetWindowRect(bar, &r);
    e2e::BringToFront(bar);
    e2e::ClickAt({r.left + 5, r.top + 9});
  }

  static HWND Button(HWND bar, const std::wstring& caption) {
    for (HWND panel = GetWindow(bar, GW_CHILD); panel; panel = GetWindow(panel, GW_HWNDNEXT)) {
      if (HWND b = e2e::ChildWithText(panel, L"Button", caption)) return b;
    }
    return nullptr;
  }

  HWND OpenMenuWithCai(HWND bar) {
    e2e::Click(Button(bar, L"菜"));
    return MenuAtFirstItem();
  }

  // The menu opens at the cursor, which may then stand on any of its items
  // and select it; the pointer is put on the first item, so the keyboard
  // starts from there.
  HWND MenuAtFirstItem() {
    const HWND menu = WaitFor(Pid(), L"#32768");
    if (!menu) return nullptr;
    RECT r;
    GetWindowRect(menu, &r);
    const POINT first{(r.left + r.right) / 2, r.top + 8};
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(first.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(first.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
    e2e::Settle(300);
    return menu;
  }

  e2e::Program program_{e2e::DistPath(L"Velmora.exe")};
};

TEST_F(VelmoraE2E, SplashFirstThenTheBarAtOnceOnAVersionClick) {
  const HWND splash = WaitFor(Pid(), L"VelmoraSplash");
  ASSERT_NE(splash, nullptr);
  EXPECT_TRUE(WindowsOf(Pid(), L"VelmoraBar").empty());
  const HWND version = e2e::ChildWithText(splash, L"Static", L"Ver:1.1.0");
  ASSERT_NE(version, nullptr);

  e2e::Click(version);
  const HWND bar = WaitForCount(Pid(), L"VelmoraBar", 1, 3000);
  ASSERT_NE(bar, reinterpret_cast<HWND>(-1)) << "the bar did not come at once";
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraSplash"));

  RECT client, outer;
  GetClientRect(bar, &client);
  GetWindowRect(bar, &outer);
  const UINT dpi = GetDpiForWindow(bar);
  EXPECT_EQ(client.right, MulDiv(840, dpi, 1440));
  EXPECT_EQ(client.bottom, MulDiv(285, dpi, 1440));
  if (dpi == 96) {
    EXPECT_EQ(client.right, 56);
    EXPECT_EQ(client.bottom, 19);
  }
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
  ASSERT_NE(WaitFor(Pid(), L"VelmoraSplash"), nullptr);
  const ULONGLONG seen = GetTickCount64();
  ASSERT_NE(WaitFor(Pid(), L"VelmoraBar"), nullptr);
  const ULONGLONG waited = GetTickCount64() - seen;
  // More than five whole seconds on the splash's clock; the splash was seen
  // a little after it opened.
  EXPECT_GE(waited, 4000u);
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraSplash"));
}

TEST_F(VelmoraE2E, MenuFromCaiHasElevenChoicesWithFourSubmenus) {
  const HWND bar = BarByVersionClick();
  ASSERT_NE(bar, nullptr);
  ASSERT_NE(OpenMenuWithCai(bar), nullptr);
  // Walking down with the keyboard skips separators; Right opens a submenu
  // only on a submenu head. Eleven steps down wrap round to the first item.
  const std::vector<bool> submenus = {false, false, false, true, true, true, true, false, false, false, false,
                                      false, false, false, true};
  for (std::size_t step = 0; step < submenus.size(); ++step) {
    if (step > 0) e2e::PressKey(VK_DOWN);
    e2e::PressKey(VK_RIGHT);
    const bool opened = WaitForCount(Pid(), L"#32768", 2, 1500) != reinterpret_cast<HWND>(-1);
    EXPECT_EQ(opened, submenus[step]) << "item " << step + 1;
    if (opened) {
      e2e::PressKey(VK_LEFT);
      ASSERT_NE(WaitForCount(Pid(), L"#32768", 1), reinterpret_cast<HWND>(-1));
    }
  }
  e2e::PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitGone(Pid(), L"#32768"));
}

TEST_F(VelmoraE2E, RightPressOnTheStripOpensTheMenuAndTheFirstTwoItemsAreHelpAndAbout) {
  const HWND bar = BarByVersionClick();
  ASSERT_NE(bar, nullptr);
  RECT r;
  GetWindowRect(bar, &r);
  e2e::ClickAt({r.left + 5, r.top + 9}, true);
  ASSERT_NE(MenuAtFirstItem(), nullptr);
  e2e::PressKey(VK_RETURN);
  const HWND help = WaitFor(Pid(), L"VelmoraHelp");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(e2e::TextOf(help), L"Tesmarin帮助");
  EXPECT_NE(e2e::ChildWithText(help, L"Static", L"版本 1.1.0"), nullptr);
  ASSERT_NE(WaitFor(Pid(), L"VelmoraBar"), nullptr) << "the bar is shown again";

  ASSERT_NE(OpenMenuWithCai(bar), nullptr);
  e2e::PressKey(VK_DOWN);
  e2e::PressKey(VK_RETURN);
  const HWND about = WaitFor(Pid(), L"VelmoraAbout");
  ASSERT_NE(about, nullptr);
  const HWND version = e2e::ChildWithText(about, L"Static", L"Ver:1.1.0");
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(WindowsOf(Pid(), L"VelmoraHelp").size(), 1u);

  // With the bar open, the version label closes about and leaves one bar.
  e2e::Click(version);
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraAbout"));
  EXPECT_EQ(WindowsOf(Pid(), L"VelmoraBar").size(), 1u);
  EXPECT_TRUE(IsWindow(bar)) << "the bar is the same window, not a new one";
}

TEST_F(VelmoraE2E, F1OpensHelpOnceAndHelpOpensAbout) {
  const HWND bar = BarByVersionClick();
  ASSERT_NE(bar, nullptr);
  ActivateBar(bar);
  e2e::PressKey(VK_F1);
  const HWND help = WaitFor(Pid(), L"VelmoraHelp");
  ASSERT_NE(help, nullptr);
  ActivateBar(bar);
  e2e::PressKey(VK_F1);
  e2e::Settle(500);
  EXPECT_EQ(WindowsOf(Pid(), L"VelmoraHelp").size(), 1u);

  e2e::Click(e2e::ChildWithText(help, L"Button", L"关于"));
  const HWND about = WaitFor(Pid(), L"VelmoraAbout");
  ASSERT_NE(about, nullptr);
  // A click on the about window's background closes it and leaves help open.
  RECT r;
  GetWindowRect(about, &r);
  e2e::BringToFront(about);
  e2e::ClickAt({r.right - 8, r.bottom - 8});
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraAbout"));
  EXPECT_EQ(WindowsOf(Pid(), L"VelmoraHelp").size(), 1u);
  EXPECT_EQ(WindowsOf(Pid(), L"VelmoraBar").size(), 1u);
}

TEST_F(VelmoraE2E, EscClosesOnlyTheBarAndTheLastWindowEndsTheProgram) {
  const HWND bar = BarByVersionClick();
  ASSERT_NE(bar, nullptr);
  ActivateBar(bar);
  e2e::PressKey(VK_F1);
  const HWND help = WaitFor(Pid(), L"VelmoraHelp");
  ASSERT_NE(help, nullptr);
  ActivateBar(bar);
  e2e::PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraBar"));
  EXPECT_FALSE(IsWindow(bar));
  EXPECT_FALSE(program_.WaitForExit(500));
  EXPECT_EQ(WindowsOf(Pid(), L"VelmoraHelp").size(), 1u);

  e2e::Click(e2e::ChildWithText(help, L"Button", L"确定"));
  EXPECT_TRUE(program_.WaitForExit(kDeadline)) << "no window left, yet the program runs on";
}

TEST_F(VelmoraE2E, AboutVersionLabelBringsTheBarBackAfterEsc) {
  const HWND bar = BarByVersionClick();
  ASSERT_NE(bar, nullptr);
  ASSERT_NE(OpenMenuWithCai(bar), nullptr);
  e2e::PressKey(VK_DOWN);
  e2e::PressKey(VK_RETURN);
  const HWND about = WaitFor(Pid(), L"VelmoraAbout");
  ASSERT_NE(about, nullptr);
  ActivateBar(bar);
  e2e::PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitGone(Pid(), L"VelmoraBar"));

  e2e::Click(e2e::ChildWithText(about, L"Static", L"Ver:1.1.0"));
  const HWND again = WaitFor(Pid(), L"VelmoraBar");
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraAbout"));
  EXPECT_TRUE(GetWindowLongW(again, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(VelmoraE2E, AKeyClosesTheAboutWindowAndLeavesTheBar) {
  const HWND bar = BarByVersionClick();
  ASSERT_NE(bar, nullptr);
  ASSERT_NE(OpenMenuWithCai(bar), nullptr);
  e2e::PressKey(VK_DOWN);
  e2e::PressKey(VK_RETURN);
  const HWND about = WaitFor(Pid(), L"VelmoraAbout");
  ASSERT_NE(about, nullptr);
  e2e::BringToFront(about);
  e2e::PressKey('A');
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraAbout"));
  EXPECT_EQ(WindowsOf(Pid(), L"VelmoraBar").size(), 1u);
}

TEST_F(VelmoraE2E, ExitEndsTheProgramWithHelpAndAboutOpen) {
  const HWND bar = BarByVersionClick();
  ASSERT_NE(bar, nullptr);
  ActivateBar(bar);
  e2e::PressKey(VK_F1);
  const HWND help = WaitFor(Pid(), L"VelmoraHelp");
  ASSERT_NE(help, nullptr);
  e2e::Click(e2e::ChildWithText(help, L"Button", L"关于"));
  ASSERT_NE(WaitFor(Pid(), L"VelmoraAbout"), nullptr);

  ASSERT_NE(OpenMenuWithCai(bar), nullptr);
  e2e::PressKey(VK_UP);  // from the first item Up wraps round to the last: 退出
  e2e::PressKey(VK_RETURN);
  EXPECT_TRUE(program_.WaitForExit(kDeadline));
}

TEST_F(VelmoraE2E, DraggingTheStripKeepsTheGrabbedPointUnderTheCursor) {
  const HWND bar = BarByVersionClick();
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
