#include <gtest/gtest.h>

#include "velmora/capture/continuous_capture_model.h"

using namespace capture;

TEST(ShotInterval, WholeSecondsOfTheLeadingNumber) {
  EXPECT_EQ(IntervalMilliseconds(L"10"), 10000u);
  EXPECT_EQ(IntervalMilliseconds(L"2.9"), 2000u);
  EXPECT_EQ(IntervalMilliseconds(L" 1 5s"), 15000u);  // blanks are ignored, reading stops at the letter
  EXPECT_EQ(IntervalMilliseconds(L"3,5"), 3000u);
  EXPECT_EQ(IntervalMilliseconds(L"1e1"), 10000u);
  EXPECT_EQ(IntervalMilliseconds(L"&H10"), 16000u);
}

TEST(ShotInterval, NothingToTimeStartsNoTimer) {
  for (const wchar_t* text : {L"", L"   ", L"abc", L"-", L"0", L"0.99", L".5", L"-1", L"-2.9", L"-1e400"}) {
    EXPECT_EQ(IntervalMilliseconds(text), 0u) << text;
  }
}

TEST(ShotInterval, LongIntervalsAreCutToTheTimersLongest) {
  EXPECT_EQ(IntervalMilliseconds(L"2147483"), 2147483000u);  // the longest that still fits
  EXPECT_EQ(IntervalMilliseconds(L"2147484"), kLongestTimerInterval);
  EXPECT_EQ(IntervalMilliseconds(L"4294968"), kLongestTimerInterval);  // would wrap in 32 bits
  EXPECT_EQ(IntervalMilliseconds(L"1e300"), kLongestTimerInterval);
  EXPECT_EQ(IntervalMilliseconds(L"1e400"), kLongestTimerInterval);  // beyond a double
  EXPECT_EQ(kLongestTimerInterval, 0x7FFFFFFFu);
}

TEST(ShotCountLabel, ThreeDigitsAfterASpaceBelowAHundredThenThePlainNumber) {
  EXPECT_EQ(ShotCountLabel(0), L" 000");
  EXPECT_EQ(ShotCountLabel(1), L" 001");
  EXPECT_EQ(ShotCountLabel(9), L" 009");
  EXPECT_EQ(ShotCountLabel(10), L" 010");
  EXPECT_EQ(ShotCountLabel(99), L" 099");
  EXPECT_EQ(ShotCountLabel(100), L"100");
  EXPECT_EQ(ShotCountLabel(32767), L"32767");
  EXPECT_EQ(ShotCountLabel(32768), L"32768");
}

TEST(ControlWindowSpot, RightEdgeSevenHundredTwipsAboveTheBottom) {
  EXPECT_EQ(ControlWindowSpot(1920, 1080, 160, 100, 96), (WindowSpot{1760, 1080 - 100 - 47}));
  EXPECT_EQ(ControlWindowSpot(3840, 2160, 320, 200, 192), (WindowSpot{3520, 2160 - 200 - 93}));
  EXPECT_EQ(ControlWindowSpot(1024, 768, 160, 100, 0).top, 768 - 100 - 47);
}

TEST(ContinuousCapture, StartAndPauseShowTheirCaptions) {
  ContinuousCaptureModel model;
  EXPECT_FALSE(model.Running());
  auto look = model.Toggle(L"2.9");
  EXPECT_TRUE(model.Running());
  EXPECT_EQ(look.caption, L"抓屏中...");
  EXPECT_EQ(look.buttonText, L"暂停");
  EXPECT_EQ(model.Interval(), 2000u);
  look = model.Toggle(L"whatever");
  EXPECT_FALSE(model.Running());
  EXPECT_EQ(look.caption, L"连续抓屏...");
  EXPECT_EQ(look.buttonText, L"开始");
}

TEST(ContinuousCapture, AStartWithNoIntervalStillShowsRunning) {
  ContinuousCaptureModel model;
  EXPECT_EQ(model.Toggle(L"-5").caption, L"抓屏中...");
  EXPECT_EQ(model.Interval(), 0u);
}

TEST(ContinuousCapture, TheIntervalIsReadAtEachStart) {
  ContinuousCaptureModel model;
  model.Toggle(L"3");
  model.Toggle(L"");
  model.Toggle(L"7");
  EXPECT_EQ(model.Interval(), 7000u);
}

TEST(ContinuousCapture, CountContinuesAcrossPausesAndReopening) {
  ContinuousCaptureModel model;
  model.Load();
  model.Toggle(L"1");
  for (int i = 0; i < 5; ++i) model.Shot();
  model.Toggle(L"1");
  model.Toggle(L"1");
  EXPECT_EQ(model.Shot(), L" 006");
  model.Load();  // closed and opened again
  EXPECT_FALSE(model.Running());
  EXPECT_EQ(model.Label(), L" 000");
  EXPECT_EQ(model.ShotCount(), 6);
  EXPECT_EQ(model.Shot(), L" 007");
}

TEST(ContinuousCapture, CountKeepsCountingPastSixteenBits) {
  ContinuousCaptureModel model;
  for (int i = 0; i < 32767; ++i) model.Shot();
  EXPECT_EQ(model.Label(), L"32767");
  EXPECT_EQ(model.Shot(), L"32768");
  EXPECT_EQ(model.ShotCount(), 32768);
}
