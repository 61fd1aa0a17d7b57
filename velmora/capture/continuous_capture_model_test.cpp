#include <gtest/gtest.h>

#include "velmora/capture/continuous_capture_model.h"

using namespace capture;

TEST(ShotInterval, WholeSecondsOfTheLeadingNumberNothingWhenNoneAndNeverPastTheTimersLongest) {
  const std::pair<const wchar_t*, std::uint32_t> rows[] = {
      {L"10", 10000}, {L"2.9", 2000}, {L" 1 5s", 15000}, {L"3,5", 3000}, {L"1e1", 10000}, {L"&H10", 16000},
      {L"", 0}, {L"abc", 0}, {L"-", 0}, {L"0", 0}, {L"0.99", 0}, {L"-1", 0}, {L"-2.9", 0}, {L"-1e400", 0},
      {L"2147483", 2147483000}, {L"2147484", 0x7FFFFFFF}, {L"4294968", 0x7FFFFFFF}, {L"1e400", 0x7FFFFFFF}};
  for (const auto& [text, milliseconds] : rows) EXPECT_EQ(IntervalMilliseconds(text), milliseconds) << text;
  EXPECT_EQ(kLongestTimerInterval, 0x7FFFFFFFu);
}

TEST(ContinuousCapture, LabelsSpotCaptionsAndACountThatOutlivesPausesAndReopening) {
  const std::pair<std::int64_t, const wchar_t*> labels[] = {
      {0, L" 000"}, {9, L" 009"}, {10, L" 010"}, {99, L" 099"}, {100, L"100"}, {32768, L"32768"}};
  for (const auto& [count, label] : labels) EXPECT_EQ(ShotCountLabel(count), label) << count;
  EXPECT_EQ(ControlWindowSpot(1920, 1080, 160, 100, 96), (WindowSpot{1760, 1080 - 100 - 47}));  // 700 twips up
  EXPECT_EQ(ControlWindowSpot(3840, 2160, 320, 200, 192), (WindowSpot{3520, 2160 - 200 - 93}));
  EXPECT_EQ(ControlWindowSpot(1024, 768, 160, 100, 0).top, 768 - 100 - 47);

  ContinuousCaptureModel model;
  auto look = model.Toggle(L"-5");
  EXPECT_EQ(std::tuple(look.caption, look.buttonText, model.Interval()), std::tuple(L"抓屏中...", L"暂停", 0u));
  look = model.Toggle(L"whatever");
  EXPECT_EQ(std::tuple(look.caption, look.buttonText, model.Running()), std::tuple(L"连续抓屏...", L"开始", false));
  model.Toggle(L"7");  // read at each start
  EXPECT_EQ(model.Interval(), 7000u);
  for (int i = 0; i < 5; ++i) model.Shot();
  model.Toggle(L"1");
  model.Toggle(L"1");
  EXPECT_EQ(model.Shot(), L" 006");
  model.Load();  // closed and opened again
  EXPECT_EQ(std::tuple(model.Running(), model.Label()), std::tuple(false, L" 000"));
  EXPECT_EQ(model.Shot(), L" 007");
}
