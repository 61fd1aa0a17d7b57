// Velmora.exe as a user starts it: the bar, help, about, Esc and 退出, and its
// menu typing into Wine's notepad and starting a calculator of "Kelvo软件".
#include <gtest/gtest.h>

#include <vector>

#include "tests/e2e/velmora_bar_driver.h"
#include "tests/support/e2e_support.h"
#include "ui/os_functions.h"

namespace {

using namespace e2e::velmora;

bool WaitGone(DWORD pid, const wchar_t* className) { return WaitForCount(pid, className, 0); }

class VelmoraE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program_.Started());
    bar_ = BarByVersionClick(Pid());
    ASSERT_NE(bar_, nullptr);
  }
  DWORD Pid() const { return program_.Id(); }

  // A key on the bar, made active by a press on its bare strip.
  void KeyOnTheBar(WORD key) const {
    RECT r;
    GetWindowRect(bar_, &r);
    e2e::BringToFront(bar_);
    e2e::ClickAt({r.left + 5, r.top + 9});
    e2e::PressKey(key);
  }
  void Exit() const {
    ASSERT_TRUE(OpenMenu(Pid(), bar_));
    e2e::PressKey(VK_UP);  // from the first item Up wraps round to the last: 退出
    e2e::PressKey(VK_RETURN);
  }

  e2e::Program program_{e2e::DistPath(L"Velmora.exe")};
  HWND bar_ = nullptr;
};

TEST_F(VelmoraE2E, TheBarStandsInTheWorkAreasCornerAndExitEndsTheProgram) {
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraSplash"));
  RECT client, outer, work;
  GetClientRect(bar_, &client);
  GetWindowRect(bar_, &outer);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int dpi = static_cast<int>(ui::WindowDpi(bar_));
  EXPECT_EQ(client.right, MulDiv(840, dpi, 1440));
  EXPECT_EQ(client.bottom, MulDiv(285, dpi, 1440));
  EXPECT_EQ(outer.right - outer.left, client.right) << "the bar has no border";
  EXPECT_TRUE(GetWindowLongW(bar_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_NEAR((work.right - outer.right) * 1440 / dpi, 50, 1440 / dpi);
  EXPECT_NEAR((work.bottom - outer.bottom) * 1440 / dpi, 385, 1440 / dpi);

  // A viewer closed at 700, 300 remembers its place; the one still open at
  // 退出 and the shared, never-shown one write nothing.
  const wchar_t* const settings = L"Software\\Velmora\\Settings";
  RegDeleteKeyW(HKEY_CURRENT_USER, settings);
  e2e::Click(BarButton(bar_, L"抓"));
  const HWND closed = WaitForOne(Pid(), L"VelmoraViewer");
  ASSERT_NE(closed, nullptr);
  e2e::Click(BarButton(bar_, L"抓"));
  ASSERT_TRUE(WaitForCount(Pid(), L"VelmoraViewer", 2));
  SetWindowPos(closed, nullptr, 700, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const int viewerDpi = static_cast<int>(ui::WindowDpi(closed));
  PostMessageW(closed, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitForCount(Pid(), L"VelmoraViewer", 1));
  Exit();
  EXPECT_TRUE(program_.WaitForExit(kDeadline));
  for (const auto& [name, pixels] : {std::pair(L"MainLeft", 700), std::pair(L"MainTop", 300)}) {
    wchar_t text[16] = L"";
    DWORD size = sizeof text;
    RegGetValueW(HKEY_CURRENT_USER, settings, name, RRF_RT_REG_SZ, nullptr, text, &size);
    EXPECT_EQ(std::wstring(text), std::to_wstring(MulDiv(pixels, 1440, viewerDpi))) << name;  // 10500 at 96 DPI
  }
}

// Esc closes only the bar; about's version label makes a new one; the
// program ends when the last window the user can see has closed.
TEST_F(VelmoraE2E, TheProgramLivesWhileAWindowTheUserCanSeeRemains) {
  KeyOnTheBar(VK_F1);
  const HWND help = WaitForOne(Pid(), L"VelmoraHelp");
  ASSERT_NE(help, nullptr);
  KeyOnTheBar(VK_F1);
  e2e::Settle(500);
  EXPECT_TRUE(WaitForCount(Pid(), L"VelmoraHelp", 1)) << "one shared help window";
  ASSERT_TRUE(OpenMenu(Pid(), bar_) && ChooseByKeys(Pid(), {1}));  // 关于
  const HWND about = WaitForOne(Pid(), L"VelmoraAbout");
  ASSERT_NE(about, nullptr);
  KeyOnTheBar(VK_ESCAPE);
  ASSERT_TRUE(WaitGone(Pid(), L"VelmoraBar"));
  e2e::Click(e2e::ChildWithText(about, L"Static", L"Ver:1.1.0"));
  bar_ = WaitForOne(Pid(), L"VelmoraBar");
  ASSERT_NE(bar_, nullptr) << "a new bar";
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraAbout"));
  KeyOnTheBar(VK_ESCAPE);
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraBar"));
  EXPECT_FALSE(program_.WaitForExit(500));
  e2e::Click(e2e::ChildWithText(help, L"Button", L"确定"));
  EXPECT_TRUE(program_.WaitForExit(kDeadline)) << "no window left, yet the program runs on";
}

// The about window closes on the release of a click on its bare background:
// not on a press, nor on clicks in the frame or presses dragged off a label.
TEST_F(VelmoraE2E, TheAboutWindowClosesOnAClickOnItsBareBackgroundOnly) {
  ASSERT_TRUE(OpenMenu(Pid(), bar_) && ChooseByKeys(Pid(), {1}));  // 关于
  const HWND about = WaitForOne(Pid(), L"VelmoraAbout");
  ASSERT_NE(about, nullptr);
  e2e::BringToFront(about);
  POINT background{3, 3};
  ClientToScreen(about, &background);
  std::vector<POINT> presses;  // the frame's middle, between its boxes, then the links and the version label
  for (const wchar_t* kind : {L"Button", L"Static"}) {
    for (const HWND c : e2e::ChildrenOfClass(about, kind)) {
      RECT r;
      GetWindowRect(c, &r);
      const bool frameOrLabel = *kind == L'B' || e2e::TextOf(c).find(L':') != std::wstring::npos;
      if (frameOrLabel) presses.push_back({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
  }
  for (std::size_t i = 0; i < presses.size(); ++i) {
    e2e::MouseAt(presses[i], MOUSEEVENTF_LEFTDOWN);
    e2e::MouseAt(i == 0 ? presses[0] : background, MOUSEEVENTF_LEFTUP);
  }
  e2e::MouseAt(background, MOUSEEVENTF_LEFTDOWN);
  e2e::Settle(500);
  EXPECT_TRUE(IsWindow(about));
  e2e::MouseAt(background, MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(WaitGone(Pid(), L"VelmoraAbout"));
  EXPECT_EQ(e2e::VisibleWindowsOf(Pid(), L"VelmoraBar").size(), 1u);
}

TEST_F(VelmoraE2E, AMenuEntryIsTypedIntoNotepadAndACalculatorStarts) {
  const auto waitFor = [](const wchar_t* className, const wchar_t* caption) {
    HWND found = nullptr;
    e2e::WaitUntil([&] { return (found = FindWindowW(className, caption)) != nullptr; });
    return found;
  };
  e2e::Program notepad(L"C:\\windows\\notepad.exe");
  const HWND pad = waitFor(L"Notepad", nullptr);
  ASSERT_NE(pad, nullptr);
  const HWND edit = FindWindowExW(pad, nullptr, L"Edit", nullptr);
  // Notepad, its caret between two characters, is where the user worked
  // last: in front for longer than the bar's tracking period.
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"前后"));
  e2e::BringToFront(pad);
  SendMessageW(edit, EM_SETSEL, 1, 1);
  e2e::Settle(800);
  // 符号 ▸ 希腊字母 ▸ its first entry, from the menu opened with "菜".
  ASSERT_TRUE(OpenMenu(Pid(), bar_) && ChooseByKeys(Pid(), {3, 4, 0}));
  EXPECT_EQ(e2e::WaitForText(edit, L"前Α后", 15000), L"前Α后");
  EXPECT_EQ(e2e::ClipboardText(), L"Α");

  // Kelvo软件 ▸ its third program (Arcmeter, Chaincalc, Lmtdcalc).
  ASSERT_TRUE(OpenMenu(Pid(), bar_) && ChooseByKeys(Pid(), {5, 2}));
  const HWND calculator = waitFor(nullptr, L"计算温差");
  ASSERT_NE(calculator, nullptr);
  DWORD processId = 0;
  GetWindowThreadProcessId(calculator, &processId);
  EXPECT_NE(processId, Pid()) << "a program of its own";
  PostMessageW(calculator, WM_CLOSE, 0, 0);
}

}  // namespace
