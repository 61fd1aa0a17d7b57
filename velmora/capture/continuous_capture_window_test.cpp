#include <gtest/gtest.h>

#include "tests/support/capture_test_support.h"
#include "tests/support/handle_counts.h"
#include "ui/controls.h"
#include "velmora/capture/bmp_format.h"
#include "velmora/capture/continuous_capture_window.h"
#include "velmora/capture/hidden_helper.h"
#include "velmora/capture/shot_window.h"

using namespace capture;
using namespace capture_test;
using W = ContinuousCaptureWindow;

// Its clock shoots the foreground window with the bar hidden; reopened, it
// shows " 000" until the next shot continues the count. Then many shots
// leave no handles, and every shot window closes itself, never shown.
TEST(ContinuousCapture, ItsClockShootsTheForegroundWindowAndManyShotsLeaveNoHandles) {
  const TestWindow target(RGB(30, 120, 200), {300, 200, 477, 295});
  int hides = 0, shows = 0, marked = 0;
  W* window = ShowContinuousCapture({[&] { ++hides; }, [&] { ++shows; }});
  SetHiddenHelperMark([&](HWND shot) { marked += !IsWindowVisible(shot); });
  SetForegroundWindow(target.Handle());  // the user goes back to the window to be shot
  const auto click = [&](int id) {
    SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(window->Control(id)));
  };
  const auto tick = [&] { SendMessageW(window->Handle(), WM_TIMER, W::kShotTimerId, 0); };
  const auto label = [&] { return ui::GetText(window->Control(W::kLabNum)); };
  ui::SetText(window->Control(W::kTxtNum), L"0");  // no interval: running, but no clock
  click(W::kCmdStart);
  EXPECT_FALSE(KillTimer(window->Handle(), W::kShotTimerId));
  click(W::kCmdStart);
  ui::SetText(window->Control(W::kTxtNum), L"1");
  click(W::kCmdStart);
  ASSERT_TRUE(WaitFor([&] { return window->Model().ShotCount() == 1; }));
  click(W::kCmdStart);  // pause
  EXPECT_EQ(label(), L" 001");
  EXPECT_EQ(Size(hides, shows), Size(1, 1));
  EXPECT_TRUE(IsWindowVisible(window->Handle()));
  const std::wstring shot = window->LastShot().path;
  EXPECT_EQ(FileLeaf(shot).size(), std::wstring(L"Kelvo抓屏20081105_140307.bmp").size());
  const auto plan = ReadBmpHeaders(ReadWholeFile(shot));
  DeleteFileW(shot.c_str());
  RECT outer;
  GetWindowRect(target.Handle(), &outer);
  EXPECT_EQ(Size(plan->width, plan->height), Size(outer.right - outer.left, outer.bottom - outer.top));

  click(W::kCmdClose);
  ASSERT_EQ(ShowContinuousCapture({}), window);  // the same object, with no bar to show
  EXPECT_EQ(label(), L" 000");
  click(W::kCmdStart);
  tick();
  EXPECT_EQ(label(), L" 002");
  DeleteFileW(window->LastShot().path.c_str());
  ASSERT_TRUE(WaitFor([] { return OpenShotWindowCount() == 0; }));
  const DWORD gdi = testsupport::GdiObjectCount(), user = testsupport::UserObjectCount();
  for (int i = 0; i < 20; ++i) {
    tick();
    ASSERT_TRUE(window->LastShot().saved);
    DeleteFileW(window->LastShot().path.c_str());
  }
  EXPECT_TRUE(WaitFor([] { return OpenShotWindowCount() == 0; }));
  EXPECT_EQ(marked, 22);  // none of them keeps the program running
  EXPECT_EQ(Size(testsupport::GdiObjectCount(), testsupport::UserObjectCount()), Size(gdi, user));
  SetHiddenHelperMark({});
  click(W::kCmdClose);
}
