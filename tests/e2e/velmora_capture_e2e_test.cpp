// Velmora.exe's capture commands and hot keys, the hidden statement-input
// command, and the rule that ends the program, driven from another program.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/velmora_bar_driver.h"
#include "tests/support/e2e_support.h"
#include "velmora/app/bar_window.h"

namespace {

using namespace e2e::velmora;

constexpr wchar_t kViewer[] = L"VelmoraViewer";

class VelmoraCaptureE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program_.Started());
    bar_ = BarByVersionClick(Pid());
    ASSERT_NE(bar_, nullptr);
  }

  DWORD Pid() const { return program_.Id(); }
  std::size_t Viewers() const { return e2e::VisibleWindowsOf(Pid(), kViewer).size(); }

  static void CtrlAlt(WORD key) { e2e::PressKey(key, false, true, true); }

  // One capture with "抓" (which also makes the bar active), then F1.
  void CaptureAndOpenHelp() {
    const std::size_t viewers = Viewers();
    e2e::BringToFront(bar_);
    e2e::Click(BarButton(bar_, L"抓"));
    ASSERT_TRUE(WaitForCount(Pid(), kViewer, viewers + 1));
    e2e::BringToFront(bar_);
    e2e::PressKey(VK_F1);
    ASSERT_NE(WaitForOne(Pid(), L"VelmoraHelp"), nullptr);
  }

  void Exit() {
    ASSERT_TRUE(OpenMenu(Pid(), bar_));
    e2e::PressKey(VK_UP);  // from the first item Up wraps round to the last: 退出
    e2e::PressKey(VK_RETURN);
  }

  e2e::Program program_{e2e::DistPath(L"Velmora.exe")};
  HWND bar_ = nullptr;
};

TEST_F(VelmoraCaptureE2E, CtrlAltVAndTheCaptureButtonEachLeaveOneMoreTopMostViewer) {
  ASSERT_EQ(Viewers(), 0u);
  CtrlAlt('V');
  ASSERT_TRUE(WaitForCount(Pid(), kViewer, 1)) << "Ctrl+Alt+V opened no viewer";
  e2e::Click(BarButton(bar_, L"抓"));
  ASSERT_TRUE(WaitForCount(Pid(), kViewer, 2)) << "抓 opened no viewer";
  CtrlAlt('V');
  ASSERT_TRUE(WaitForCount(Pid(), kViewer, 3));
  for (HWND viewer : e2e::VisibleWindowsOf(Pid(), kViewer)) {
    EXPECT_TRUE(GetWindowLongW(viewer, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(e2e::TextOf(viewer).rfind(L"抓屏程序 ", 0), 0u) << "caption \"抓屏程序 \" + time";
  }
}

TEST_F(VelmoraCaptureE2E, CtrlAltCOpensAnAreaPickerAtEachPress) {
  CtrlAlt('C');
  const HWND picker = WaitForOne(Pid(), L"VelmoraCapArea");
  ASSERT_NE(picker, nullptr);
  PostMessageW(picker, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitForCount(Pid(), L"VelmoraCapArea", 0));
  CtrlAlt('C');
  const HWND again = WaitForOne(Pid(), L"VelmoraCapArea");
  ASSERT_NE(again, nullptr);
  PostMessageW(again, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForCount(Pid(), L"VelmoraCapArea", 0));
}

TEST_F(VelmoraCaptureE2E, AfterEscTheHotKeysDoNothingAndTheHiddenViewerKeepsNothingAlive) {
  CaptureAndOpenHelp();  // after one capture: the shared hidden viewer exists
  const std::size_t before = Viewers();
  ASSERT_EQ(before, 1u);
  for (HWND viewer : e2e::VisibleWindowsOf(Pid(), kViewer)) PostMessageW(viewer, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitForCount(Pid(), kViewer, 0));

  e2e::BringToFront(bar_);
  e2e::PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitForCount(Pid(), L"VelmoraBar", 0));
  CtrlAlt('V');
  CtrlAlt('C');
  e2e::Settle(2000);  // a hot key still registered would have opened a window by now
  EXPECT_EQ(Viewers(), 0u);
  EXPECT_TRUE(e2e::VisibleWindowsOf(Pid(), L"VelmoraCapArea").empty());

  // Help is the last window the user can see: closing it ends the program,
  // though the shared viewer is still there, hidden.
  const HWND help = WaitForOne(Pid(), L"VelmoraHelp");
  ASSERT_NE(help, nullptr);
  e2e::Click(e2e::ChildWithText(help, L"Button", L"确定"));
  EXPECT_TRUE(program_.WaitForExit(kDeadline)) << "a hidden capture window keeps the program running";
}

TEST_F(VelmoraCaptureE2E, ExitEndsTheProgramAtOnceWithViewersHelpAndTheStatementWindowOpen) {
  CaptureAndOpenHelp();
  CtrlAlt('V');
  ASSERT_TRUE(WaitForCount(Pid(), kViewer, 2));
  PostMessageW(bar_, WM_COMMAND, MAKEWPARAM(velmora::BarWindow::kCmdInput, 0), 0);
  ASSERT_NE(WaitForOne(Pid(), L"VelmoraInputWindow"), nullptr);
  Exit();
  EXPECT_TRUE(program_.WaitForExit(kDeadline));
}

TEST_F(VelmoraCaptureE2E, TheHiddenStatementInputCommandOpensOneStatementWindow) {
  PostMessageW(bar_, WM_COMMAND, MAKEWPARAM(velmora::BarWindow::kCmdInput, 0), 0);
  const HWND input = WaitForOne(Pid(), L"VelmoraInputWindow");
  ASSERT_NE(input, nullptr);
  EXPECT_EQ(e2e::TextOf(input), L"Tesmarin－－之语句输入助手");
  PostMessageW(bar_, WM_COMMAND, MAKEWPARAM(velmora::BarWindow::kCmdInput, 0), 0);
  e2e::Settle(1000);
  EXPECT_EQ(e2e::VisibleWindowsOf(Pid(), L"VelmoraInputWindow").size(), 1u) << "one shared instance";
}

}  // namespace
