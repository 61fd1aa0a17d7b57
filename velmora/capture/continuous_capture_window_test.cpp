#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/window.h"
#include "velmora/capture/bmp_format.h"
#include "tests/support/handle_counts.h"
#include "velmora/capture/capture_test_support.h"
#include "velmora/capture/continuous_capture_window.h"
#include "velmora/capture/shot_window.h"
#include "velmora/capture/viewer_window.h"

using namespace capture;
using namespace capture_test;

namespace {

using W = ContinuousCaptureWindow;

struct BarProbe {
  int hides = 0;
  int shows = 0;
  BarVisibility Hooks() {
    return {[this] { ++hides; }, [this] { ++shows; }};
  }
};

std::wstring Text(const W& window, int id) { return ui::GetText(window.Control(id)); }

void Click(const W& window, int id) {
  SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(window.Control(id)));
}

void Tick(const W& window) { SendMessageW(window.Handle(), WM_TIMER, W::kShotTimerId, 0); }

// Waits, dispatching events, until the condition holds or a generous
// deadline passes.
template <typename Condition>
bool WaitFor(Condition condition) {
  const ULONGLONG deadline = GetTickCount64() + 30000;
  while (!condition() && GetTickCount64() < deadline) ui::Delay(0.05);
  return condition();
}

// The last shot's file holds the foreground window with its frame.
void ExpectShotOf(const W& window, HWND target) {
  const SaveResult& shot = window.LastShot();
  ASSERT_TRUE(shot.saved);
  const std::wstring leaf(FileLeaf(shot.path));
  EXPECT_EQ(leaf.size(), std::wstring(L"Kelvo抓屏20081105_140307.bmp").size()) << leaf;
  EXPECT_EQ(leaf[std::wstring(L"Kelvo抓屏20081105").size()], L'_');
  const auto plan = ReadBmpHeaders(ReadWholeFile(shot.path));
  DeleteFileW(shot.path.c_str());
  ASSERT_TRUE(plan);
  RECT outer;
  GetWindowRect(target, &outer);
  EXPECT_EQ(plan->width, outer.right - outer.left);
  EXPECT_EQ(plan->height, outer.bottom - outer.top);
}

class ContinuousCaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetForegroundWindow(target_.Handle());
    PumpMessages();
    window_ = ShowContinuousCapture(bar_.Hooks());
    ASSERT_NE(window_, nullptr);
    // The user's window stays in front, as when the user goes back to it.
    SetForegroundWindow(target_.Handle());
    PumpMessages();
  }
  void TearDown() override {
    if (window_ && window_->Exists()) Click(*window_, W::kCmdClose);
    WaitFor([] { return OpenShotWindowCount() == 0; });
  }

  const SolidWindow target_{RGB(30, 120, 200), 300, 200, 177, 95};
  BarProbe bar_;
  W* window_ = nullptr;
};

}  // namespace

TEST_F(ContinuousCaptureTest, LoadsPausedTopMostAtTheRightEdge) {
  const W& w = *window_;
  wchar_t caption[32] = L"";
  GetWindowTextW(w.Handle(), caption, 32);
  EXPECT_STREQ(caption, L"连续抓屏");
  EXPECT_EQ(Text(w, W::kCmdStart), L"开始");
  EXPECT_EQ(Text(w, W::kTxtNum), L"10");
  EXPECT_EQ(Text(w, W::kLabel1), L"间隔时间(s)：");
  EXPECT_NE(GetWindowLongPtrW(w.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(GetWindowLongPtrW(w.Handle(), GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  RECT r;
  GetWindowRect(w.Handle(), &r);
  EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN) - ui::TwipsToPixels(700, w.Dpi()));
}

TEST_F(ContinuousCaptureTest, EachTickShootsTheForegroundWindowAndCountsOnAcrossPauses) {
  const W& w = *window_;
  ui::SetText(w.Control(W::kTxtNum), L"1");
  Click(w, W::kCmdStart);
  wchar_t caption[32] = L"";
  GetWindowTextW(w.Handle(), caption, 32);
  EXPECT_STREQ(caption, L"抓屏中...");
  EXPECT_EQ(Text(w, W::kCmdStart), L"暂停");
  const long long before = w.Model().ShotCount();

  // The first shot comes from the window's own one-second clock.
  ASSERT_TRUE(WaitFor([&] { return w.Model().ShotCount() == before + 1; }));
  EXPECT_EQ(Text(w, W::kLabNum), ShotCountLabel(before + 1));
  EXPECT_EQ(bar_.hides, 1);
  EXPECT_EQ(bar_.shows, 1);
  EXPECT_TRUE(IsWindowVisible(w.Handle()));
  ExpectShotOf(w, target_.Handle());

  Click(w, W::kCmdStart);  // pause
  GetWindowTextW(w.Handle(), caption, 32);
  EXPECT_STREQ(caption, L"连续抓屏...");
  EXPECT_EQ(Text(w, W::kCmdStart), L"开始");
  EXPECT_FALSE(KillTimer(w.Handle(), W::kShotTimerId));  // the clock has stopped
  Click(w, W::kCmdStart);
  Tick(w);
  EXPECT_EQ(Text(w, W::kLabNum), ShotCountLabel(before + 2));
  ExpectShotOf(w, target_.Handle());
  EXPECT_EQ(bar_.hides, 2);
  EXPECT_EQ(bar_.shows, 2);
}

TEST_F(ContinuousCaptureTest, ReopeningShowsZeroUntilTheNextShotContinuesTheCount) {
  Click(*window_, W::kCmdStart);
  Tick(*window_);
  Tick(*window_);
  const long long count = window_->Model().ShotCount();
  DeleteFileW(window_->LastShot().path.c_str());
  Click(*window_, W::kCmdClose);
  EXPECT_FALSE(window_->Exists());
  BarProbe other;
  W* again = ShowContinuousCapture(other.Hooks());
  ASSERT_EQ(again, window_);
  EXPECT_EQ(Text(*again, W::kLabNum), L" 000");
  EXPECT_EQ(Text(*again, W::kCmdStart), L"开始");
  Click(*again, W::kCmdStart);
  Tick(*again);
  EXPECT_EQ(Text(*again, W::kLabNum), ShotCountLabel(count + 1));
  EXPECT_EQ(other.shows, 1);  // the hooks given at the reopening
  DeleteFileW(again->LastShot().path.c_str());
}

TEST_F(ContinuousCaptureTest, NoIntervalShowsRunningButNeverTicks) {
  for (const wchar_t* text : {L"0", L"", L"-3", L"abc", L"0.9"}) {
    ui::SetText(window_->Control(W::kTxtNum), text);
    Click(*window_, W::kCmdStart);
    EXPECT_EQ(Text(*window_, W::kCmdStart), L"暂停") << text;
    EXPECT_FALSE(KillTimer(window_->Handle(), W::kShotTimerId)) << text;
    Click(*window_, W::kCmdStart);
  }
  ui::SetText(window_->Control(W::kTxtNum), L"99999999");
  Click(*window_, W::kCmdStart);
  EXPECT_EQ(window_->Model().Interval(), kLongestTimerInterval);
  EXPECT_TRUE(KillTimer(window_->Handle(), W::kShotTimerId));  // cut to the longest, still running
}

TEST_F(ContinuousCaptureTest, AShotWithNoBarToShowMakesNone) {
  ShowContinuousCapture({});
  Click(*window_, W::kCmdStart);
  Tick(*window_);
  EXPECT_TRUE(window_->LastShot().saved);
  DeleteFileW(window_->LastShot().path.c_str());
  EXPECT_TRUE(IsWindowVisible(window_->Handle()));
}

TEST(ShotWindow, NeverShownMarkedAsHelperAndClosesItselfAfterASecond) {
  const SolidWindow target(RGB(200, 200, 20), 320, 240, 150, 90);
  SetForegroundWindow(target.Handle());
  PumpMessages();
  std::vector<HWND> marked;
  SetHiddenHelperMark([&](HWND window) { marked.push_back(window); });
  const SaveResult saved = TakeShot();
  SetHiddenHelperMark({});
  ASSERT_TRUE(saved.saved);
  DeleteFileW(saved.path.c_str());
  const HWND shot = FindWindowW(L"VelmoraShot", L"抓屏程序");
  ASSERT_NE(shot, nullptr);
  EXPECT_FALSE(IsWindowVisible(shot));
  EXPECT_NE(std::find(marked.begin(), marked.end(), shot), marked.end());  // never keeps the program running
  EXPECT_GE(OpenShotWindowCount(), 1u);
  EXPECT_TRUE(WaitFor([] { return OpenShotWindowCount() == 0; }));
}

TEST_F(ContinuousCaptureTest, FiftyShotsLeaveNoHandles) {
  Click(*window_, W::kCmdStart);
  Tick(*window_);
  DeleteFileW(window_->LastShot().path.c_str());
  ASSERT_TRUE(WaitFor([] { return OpenShotWindowCount() == 0; }));
  const DWORD gdi = testsupport::GdiObjectCount();
  const DWORD user = testsupport::UserObjectCount();
  ASSERT_GT(gdi, 0u);  // the count must see something to mean anything
  for (int i = 0; i < 50; ++i) {
    Tick(*window_);
    DeleteFileW(window_->LastShot().path.c_str());
  }
  ASSERT_TRUE(WaitFor([] { return OpenShotWindowCount() == 0; }));
  EXPECT_EQ(testsupport::GdiObjectCount(), gdi);
  EXPECT_EQ(testsupport::UserObjectCount(), user);
}
