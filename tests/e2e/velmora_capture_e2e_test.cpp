// Velmora.exe's capture commands and hot keys, the hidden statement-input
// command, and the rule that ends the program, driven from another program.
#include <gtest/gtest.h>

#include "tests/e2e/velmora_bar_driver.h"
#include "tests/support/e2e_support.h"
#include "velmora/app/bar_window.h"

using namespace e2e::velmora;

TEST(VelmoraCaptureE2E, HotKeysAndTheButtonOpenCaptureWindowsAndHiddenOnesKeepNothingAlive) {
  const e2e::Program program(e2e::DistPath(L"Velmora.exe"));
  ASSERT_TRUE(program.Started());
  const DWORD pid = program.Id();
  const HWND bar = BarByVersionClick(pid);
  ASSERT_NE(bar, nullptr);
  const auto ctrlAlt = [](WORD key) { e2e::PressKey(key, false, true, true); };
  ctrlAlt('V');
  ASSERT_TRUE(WaitForCount(pid, L"VelmoraViewer", 1)) << "Ctrl+Alt+V opened no viewer";
  e2e::Click(BarButton(bar, L"抓"));
  ASSERT_TRUE(WaitForCount(pid, L"VelmoraViewer", 2)) << "抓 opened no viewer";
  for (HWND viewer : e2e::VisibleWindowsOf(pid, L"VelmoraViewer")) PostMessageW(viewer, WM_CLOSE, 0, 0);
  for (int press = 0; press < 2; ++press) {  // a new picker at each press
    ctrlAlt('C');
    const HWND picker = WaitForOne(pid, L"VelmoraCapArea");
    ASSERT_NE(picker, nullptr) << "press " << press;
    PostMessageW(picker, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitForCount(pid, L"VelmoraCapArea", 0));
  }
  for (int command = 0; command < 2; ++command) {  // one shared statement window
    PostMessageW(bar, WM_COMMAND, MAKEWPARAM(velmora::BarWindow::kCmdInput, 0), 0);
    ASSERT_TRUE(WaitForCount(pid, L"VelmoraInputWindow", 1));
  }
  e2e::Settle(1000);
  const auto inputs = e2e::VisibleWindowsOf(pid, L"VelmoraInputWindow");
  ASSERT_EQ(inputs.size(), 1u);
  EXPECT_EQ(e2e::TextOf(inputs.front()), L"Tesmarin－－之语句输入助手");
  PostMessageW(inputs.front(), WM_CLOSE, 0, 0);

  e2e::BringToFront(bar);
  e2e::PressKey(VK_F1);
  const HWND help = WaitForOne(pid, L"VelmoraHelp");
  e2e::BringToFront(bar);
  e2e::PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitForCount(pid, L"VelmoraBar", 0));
  // Help is the last window the user can see: closing it ends the program,
  // though the shared viewer is still there, hidden.
  e2e::Click(e2e::ChildWithText(help, L"Button", L"确定"));
  EXPECT_TRUE(program.WaitForExit(kDeadline)) << "a hidden capture window keeps the program running";
}
