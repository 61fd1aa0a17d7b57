#include "velmora/hotkeys/mod_hot.h"

#include <gtest/gtest.h>

#include "velmora/capture/full_screen_capture.h"

using namespace hotkeys;

namespace {

int g_ownHotKeys = 0;  // WM_HOTKEY messages that reached the window's own procedure

LRESULT CALLBACK OwnProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) ++g_ownHotKeys;
  if (message == WM_APP) return 4242;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

class BarStandIn : public ::testing::Test {
 protected:
  void SetUp() override {
    static const ATOM kClass = [] {
      WNDCLASSEXW wc{sizeof wc};
      wc.lpfnWndProc = OwnProcedure;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"VelmoraHotKeyTestBar";
      return RegisterClassExW(&wc);
    }();
    (void)kClass;
    bar_ = CreateWindowExW(0, L"VelmoraHotKeyTestBar", L"bar", WS_POPUP, 0, 0, 56, 19, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    g_ownHotKeys = 0;
    SetHotKeyHandlers({[this] { ++areaRuns_; }, [this] { ++fullRuns_; }});
  }
  void TearDown() override {
    DestroyWindow(bar_);
    SetHotKeyHandlers({});
  }
  WNDPROC Procedure() const { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(bar_, GWLP_WNDPROC)); }
  LRESULT HotKey(WPARAM id) { return SendMessageW(bar_, WM_HOTKEY, id, 0); }

  HWND bar_ = nullptr;
  int areaRuns_ = 0;
  int fullRuns_ = 0;
};

// Whether another window can take the key: it cannot while we hold it.
bool KeyIsFree(UINT modifiers, UINT key) {
  const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  const bool free = RegisterHotKey(other, 77, modifiers, key) != FALSE;
  if (free) UnregisterHotKey(other, 77);
  DestroyWindow(other);
  return free;
}

}  // namespace

TEST_F(BarStandIn, RegisteringReplacesTheProcedureOnceAndRemovingRestoresIt) {
  RegisterCaptureHotKeys(bar_);
  EXPECT_EQ(Procedure(), &HotKeyProc);
  EXPECT_FALSE(KeyIsFree(MOD_CONTROL | MOD_ALT, 'C'));
  EXPECT_FALSE(KeyIsFree(MOD_CONTROL | MOD_ALT, 'V'));
  SetHotKey(bar_, 2, L"Ctrl+Alt,86", L"Add");  // once more: not installed over itself
  HotKey(7);
  EXPECT_EQ(g_ownHotKeys, 1);  // reaches the own procedure exactly once, no recursion

  SetHotKey(bar_, 1, L"", L"Del");
  EXPECT_EQ(Procedure(), &OwnProcedure);
  EXPECT_TRUE(KeyIsFree(MOD_CONTROL | MOD_ALT, 'C'));
  EXPECT_FALSE(KeyIsFree(MOD_CONTROL | MOD_ALT, 'V'));
  HotKey(2);  // the hook is off for both keys now
  EXPECT_EQ(fullRuns_, 0);

  SetHotKey(bar_, 2, L"", L"Del");
  EXPECT_EQ(Procedure(), &OwnProcedure);
  EXPECT_TRUE(KeyIsFree(MOD_CONTROL | MOD_ALT, 'V'));
}

TEST_F(BarStandIn, HotKeyMessagesRunTheirCaptureAndEveryMessageIsPassedOn) {
  RegisterCaptureHotKeys(bar_);
  HotKey(2);
  EXPECT_EQ(fullRuns_, 1);
  EXPECT_EQ(areaRuns_, 0);
  HotKey(1);
  EXPECT_EQ(areaRuns_, 1);
  HotKey(3);
  EXPECT_EQ(fullRuns_ + areaRuns_, 2);
  EXPECT_EQ(g_ownHotKeys, 3);
  EXPECT_EQ(SendMessageW(bar_, WM_APP, 0, 0), 4242);  // results come back unchanged
  UnregisterCaptureHotKeys(bar_);
  HotKey(2);
  EXPECT_EQ(fullRuns_, 1);
}

TEST_F(BarStandIn, UnknownActionsLeaveTheWindowAlone) {
  SetHotKey(bar_, 1, L"Ctrl+Alt,67", L"add");
  EXPECT_EQ(Procedure(), &OwnProcedure);
  EXPECT_TRUE(KeyIsFree(MOD_CONTROL | MOD_ALT, 'C'));
}

TEST_F(BarStandIn, WithoutHandlersSetTheFullScreenCaptureOpensAViewer) {
  SetHotKeyHandlers({});
  RegisterCaptureHotKeys(bar_);
  const std::size_t before = capture::OpenViewerCount();
  HotKey(1);  // no area picker yet: nothing happens, and nothing breaks
  EXPECT_EQ(capture::OpenViewerCount(), before);
  HotKey(2);
  ASSERT_EQ(capture::OpenViewerCount(), before + 1);
  EXPECT_EQ(g_ownHotKeys, 2);
  UnregisterCaptureHotKeys(bar_);
  HotKey(2);
  EXPECT_EQ(capture::OpenViewerCount(), before + 1);
}
