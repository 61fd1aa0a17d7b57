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

namespace {

using W = ContinuousCaptureWindow;

class ContinuousCaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = ShowContinuousCapture({[this] { ++hides_; }, [this] { ++shows_; }});
    ASSERT_NE(window_, nullptr);
    SetForegroundWindow(target_.Handle());  // the user goes back to the window to be shot
  }
  void TearDown() override {
    if (window_->Exists()) Click(W::kCmdClose);
    WaitFor([] { return OpenShotWindowCount() == 0; });
  }
  void Click(int id) const {
    SendMessageW(window_->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(window_->Control(id)));
  }
  void Tick() const { SendMessageW(window_->Handle(), WM_TIMER, W::kShotTimerId, 0); }
  std::wstring Label() const { return ui::GetText(window_->Control(W::kLabNum)); }

  const TestWindow target_{RGB(30, 120, 200), {300, 200, 477, 295}};
  W* window_ = nullptr;
  int hides_ = 0, shows_ = 0;
};

}  // namespace

TEST_F(ContinuousCaptureTest, ItsClockShootsTheForegroundWindowWithTheBarHiddenAndReopeningShowsZero) {
  ui::SetText(window_->Control(W::kTxtNum), L"0");  // no interval: running, but no clock
  Click(W::kCmdStart);
  EXPECT_FALSE(KillTimer(window_->Handle(), W::kShotTimerId));
  Click(W::kCmdStart);
  ui::SetText(window_->Control(W::kTxtNum), L"1");
  Click(W::kCmdStart);
  const long long before = window_->Model().ShotCount();
  ASSERT_TRUE(WaitFor([&] { return window_->Model().ShotCount() == before + 1; }));
  Click(W::kCmdStart);  // pause
  EXPECT_EQ(Label(), ShotCountLabel(before + 1));
  EXPECT_EQ(Size(hides_, shows_), Size(1, 1));
  EXPECT_TRUE(IsWindowVisible(window_->Handle()));
  const std::wstring shot = window_->LastShot().path;
  EXPECT_EQ(FileLeaf(shot).size(), std::wstring(L"Kelvo抓屏20081105_140307.bmp").size());
  const auto plan = ReadBmpHeaders(ReadWholeFile(shot));
  DeleteFileW(shot.c_str());
  ASSERT_TRUE(plan);
  RECT outer;
  GetWindowRect(target_.Handle(), &outer);
  EXPECT_EQ(Size(plan->width, plan->height), Size(outer.right - outer.left, outer.bottom - outer.top));

  Click(W::kCmdClose);
  ASSERT_EQ(ShowContinuousCapture({}), window_);  // the same object, with no bar to show
  EXPECT_EQ(Label(), L" 000");
  Click(W::kCmdStart);
  Tick();
  EXPECT_EQ(Label(), ShotCountLabel(before + 2));
  DeleteFileW(window_->LastShot().path.c_str());
}

TEST_F(ContinuousCaptureTest, ManyShotsLeaveNoHandlesAndEveryShotWindowClosesItselfUnseen) {
  int marked = 0;
  SetHiddenHelperMark([&](HWND window) { marked += !IsWindowVisible(window); });
  Click(W::kCmdStart);
  Tick();
  DeleteFileW(window_->LastShot().path.c_str());
  ASSERT_TRUE(WaitFor([] { return OpenShotWindowCount() == 0; }));
  const DWORD gdi = testsupport::GdiObjectCount(), user = testsupport::UserObjectCount();
  for (int i = 0; i < 20; ++i) {
    Tick();
    ASSERT_TRUE(window_->LastShot().saved);
    DeleteFileW(window_->LastShot().path.c_str());
  }
  EXPECT_TRUE(WaitFor([] { return OpenShotWindowCount() == 0; }));
  SetHiddenHelperMark({});
  EXPECT_EQ(marked, 21);  // none of them keeps the program running
  EXPECT_EQ(testsupport::GdiObjectCount(), gdi);
  EXPECT_EQ(testsupport::UserObjectCount(), user);
}
