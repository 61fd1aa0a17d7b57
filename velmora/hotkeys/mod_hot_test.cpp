// The bar's window procedure replaced while hot keys are registered and put back when they go, in process under Wine;
// whether the keys are taken is checked with another program holding one of them (the fault tests).
#include "velmora/hotkeys/mod_hot.h"

#include <gtest/gtest.h>

namespace hotkeys {
namespace {

int g_ownHotKeys = 0;  // WM_HOTKEY messages that reached the window's own procedure

LRESULT CALLBACK OwnProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) ++g_ownHotKeys;
  return message == WM_APP ? 4242 : DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(HotKeys, TheReplacedProcedureRunsTheCapturesAndPassesEveryMessageOn) {
  const HWND bar = CreateWindowExW(0, L"STATIC", L"bar", WS_POPUP, 0, 0, 56, 19, nullptr, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnProcedure));  // the bar's own procedure
  const auto procedure = [bar] { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(bar, GWLP_WNDPROC)); };
  int area = 0, full = 0;
  SetHotKeyHandlers({[&] { ++area; }, [&] { ++full; }});
  RegisterCaptureHotKeys(bar);
  EXPECT_EQ(procedure(), &HotKeyProc);
  for (const WPARAM id : {2, 1, 3}) SendMessageW(bar, WM_HOTKEY, id, 0);
  EXPECT_EQ(std::pair(area, full), std::pair(1, 1));
  EXPECT_EQ(g_ownHotKeys, 3) << "each message reaches the own procedure exactly once";
  EXPECT_EQ(SendMessageW(bar, WM_APP, 0, 0), 4242) << "results come back unchanged";
  UnregisterCaptureHotKeys(bar);
  EXPECT_EQ(procedure(), &OwnProcedure);
  SendMessageW(bar, WM_HOTKEY, 2, 0);
  EXPECT_EQ(full, 1);
  SetHotKeyHandlers({});
  DestroyWindow(bar);
}

}  // namespace
}  // namespace hotkeys
