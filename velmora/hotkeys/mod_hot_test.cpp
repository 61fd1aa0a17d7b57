// The hot keys registered to a stand-in bar whose procedure is replaced and
// put back, in process under Wine.
#include "velmora/hotkeys/mod_hot.h"

#include <gtest/gtest.h>

#include "tests/support/hotkey_probe.h"

namespace hotkeys {
namespace {

using testsupport::KeyIsFree;
constexpr UINT kCtrlAlt = MOD_CONTROL | MOD_ALT;

int g_ownHotKeys = 0;  // WM_HOTKEY messages that reached the window's own procedure

LRESULT CALLBACK OwnProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) ++g_ownHotKeys;
  if (message == WM_APP) return 4242;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(HotKeys, RegisteredToTheBarRunTheirCaptureAndPassEveryMessageOn) {
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = OwnProcedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VelmoraHotKeyTestBar";
  RegisterClassExW(&wc);
  const HWND bar = CreateWindowExW(0, wc.lpszClassName, L"bar", WS_POPUP, 0, 0, 56, 19, nullptr, nullptr,
                                   wc.hInstance, nullptr);
  const auto procedure = [bar] { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(bar, GWLP_WNDPROC)); };
  int area = 0, full = 0;
  SetHotKeyHandlers({[&] { ++area; }, [&] { ++full; }});

  SetHotKey(bar, 1, L"Ctrl+Alt,67", L"add");  // not an action: nothing happens
  EXPECT_EQ(procedure(), &OwnProcedure);
  EXPECT_TRUE(KeyIsFree(kCtrlAlt, 'C'));

  RegisterCaptureHotKeys(bar);
  EXPECT_EQ(procedure(), &HotKeyProc);
  EXPECT_FALSE(KeyIsFree(kCtrlAlt, 'C'));
  EXPECT_FALSE(KeyIsFree(kCtrlAlt, 'V'));
  SetHotKey(bar, 2, L"Ctrl+Alt,86", L"Add");  // once more: not installed over itself
  for (const WPARAM id : {2, 1, 3}) SendMessageW(bar, WM_HOTKEY, id, 0);
  EXPECT_EQ(full, 1);
  EXPECT_EQ(area, 1);
  EXPECT_EQ(g_ownHotKeys, 3) << "each message reaches the own procedure exactly once";
  EXPECT_EQ(SendMessageW(bar, WM_APP, 0, 0), 4242) << "results come back unchanged";

  SetHotKey(bar, 1, L"", L"Del");  // the hook goes for both keys
  EXPECT_EQ(procedure(), &OwnProcedure);
  EXPECT_TRUE(KeyIsFree(kCtrlAlt, 'C'));
  EXPECT_FALSE(KeyIsFree(kCtrlAlt, 'V'));
  SendMessageW(bar, WM_HOTKEY, 2, 0);
  EXPECT_EQ(full, 1);
  UnregisterCaptureHotKeys(bar);
  EXPECT_EQ(procedure(), &OwnProcedure);
  EXPECT_TRUE(KeyIsFree(kCtrlAlt, 'V'));
  SetHotKeyHandlers({});
  DestroyWindow(bar);
}

}  // namespace
}  // namespace hotkeys
