// Velmora.exe's capture commands and hot keys, the hidden statement-input
// command, and the rule that ends the program, driven from another program.
#include <gtest/gtest.h>

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
  static void CtrlAlt(WORD key) { e2e::PressKey(key, false, true, true); }

  e2e::Program program_{e2e::DistPath(L"Velmora.exe")};
  HWND bar_ = nullptr;
};

TEST_F(VelmoraCaptureE2E, HotKeysAndTheButtonOpenCaptureWindowsAndExitEndsThemAll) {
  CtrlAlt('V');
  ASSERT_TRUE(WaitForCount(Pid(), kViewer, 1)) << "Ctrl+Alt+V opened no viewer";
  e2e::Click(BarButton(bar_, L"抓"));
  ASSERT_TRUE(WaitForCount(Pid(), kViewer, 2)) << "抓 opened no viewer";
  for (HWND viewer : e2e::VisibleWindowsOf(Pid(), kViewer)) {
    EXPECT_TRUE(GetWindowLongW(viewer, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(e2e::TextOf(viewer).rfind(L"抓屏程序 ", 0), 0u) << "caption \"抓屏程序 \" + time";
  }
  for (int press = 0; press < 2; ++press) {  // a new picker at each press
    CtrlAlt('C');
    const HWND picker = WaitForOne(Pid(), L"VelmoraCapArea");
    ASSERT_NE(picker, nullptr) << "press " << press;
    PostMessageW(picker, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitForCount(Pid(), L"VelmoraCapArea", 0));
  }
  for (int command = 0; command < 2; ++command) {  // one shared statement window
    PostMessageW(bar_, WM_COMMAND, MAKEWPARAM(velmora::BarWindow::kCmdInput, 0), 0);
    ASSERT_TRUE(WaitForCount(Pid(), L"VelmoraInputWindow", 1));
  }
  e2e::Settle(1000);
  const auto inputs = e2e::VisibleWindowsOf(Pid(), L"VelmoraInputWindow");
  ASSERT_EQ(inputs.size(), 1u);
  EXPECT_EQ(e2e::TextOf(inputs.front()), L"Tesmarin－－之语句输入助手");
  ASSERT_TRUE(OpenMenu(Pid(), bar_));
  e2e::PressKey(VK_UP);  // from the first item Up wraps round to the last: 退出
  e2e::PressKey(VK_RETURN);
  EXPECT_TRUE(program_.WaitForExit(kDeadline));
}

TEST_F(VelmoraCaptureE2E, AfterEscTheHotKeysDoNothingAndTheHiddenViewerKeepsNothingAlive) {
  e2e::Click(BarButton(bar_, L"抓"));  // after one capture the shared hidden viewer exists
  ASSERT_TRUE(WaitForCount(Pid(), kViewer, 1));
  e2e::BringToFront(bar_);
  e2e::PressKey(VK_F1);
  const HWND help = WaitForOne(Pid(), L"VelmoraHelp");
  ASSERT_NE(help, nullptr);
  for (HWND viewer : e2e::VisibleWindowsOf(Pid(), kViewer)) PostMessageW(viewer, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitForCount(Pid(), kViewer, 0));
  e2e::BringToFront(bar_);
  e2e::PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitForCount(Pid(), L"VelmoraBar", 0));
  CtrlAlt('V');
  CtrlAlt('C');
  e2e::Settle(2000);  // a hot key still registered would have opened a window by now
  EXPECT_TRUE(e2e::VisibleWindowsOf(Pid(), kViewer).empty());
  EXPECT_TRUE(e2e::VisibleWindowsOf(Pid(), L"VelmoraCapArea").empty());
  // Help is the last window the user can see: closing it ends the program.
  e2e::Click(e2e::ChildWithText(help, L"Button", L"确定"));
  EXPECT_TRUE(program_.WaitForExit(kDeadline)) << "a hidden capture window keeps the program running";
}

}  // namespace
