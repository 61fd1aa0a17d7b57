#include <gtest/gtest.h>

#include "velmora/capture/cap_area_model.h"
#include "velmora/capture/continuous_capture_model.h"

using namespace capture;

TEST(Picker, DragsInEveryDirectionWithEveryButton) {
  // The read-out's text, empty where the move shows nothing; the frame drawn; the rectangle taken.
  const struct { PickPoint from, to; unsigned held; std::wstring text; FrameCorners frame; PickRect taken; } rows[] = {
      {{100, 100}, {300, 200}, kLeftButton, L"200,100", {99, 99, 301, 201}, {100, 100, 200, 100}},
      {{300, 200}, {100, 100}, kLeftButton, L"200,100", {99, 99, 301, 201}, {100, 100, 200, 100}},
      {{100, 200}, {300, 100}, kLeftButton, L"200,100", {99, 99, 301, 201}, {100, 100, 200, 100}},
      {{100, 100}, {315, 164}, kLeftButton, L"215,64", {99, 99, 316, 165}, {100, 100, 215, 64}},
      {{640, 480}, {640, 480}, kLeftButton, L"0,0", {639, 479, 641, 481}, {640, 480, 0, 0}},  // a click
      {{10, 20}, {10, 90}, kLeftButton, L"0,70", {9, 19, 11, 91}, {10, 20, 0, 70}},
      {{0, 3}, {50, 50}, kRightButton, L"", {}, {0, 3, 50, 47}},  // the right button takes, never draws
      {{5, 5}, {9, 9}, kMiddleButton, L"", {}, {5, 5, 4, 4}}, {{5, 5}, {9, 9}, kNoButton, L"", {}, {5, 5, 4, 4}},
      {{5, 5}, {9, 9}, kLeftButton | kRightButton, L"", {}, {5, 5, 4, 4}},
      {{5, 5}, {9, 9}, kLeftButton | kXButton1, L"", {}, {5, 5, 4, 4}}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.from.x << "," << row.from.y << " to " << row.to.x << " held " << row.held);
    PickerModel picker;
    EXPECT_FALSE(picker.Move(row.from, kLeftButton));  // nothing pressed yet
    // The read-out box stands just above the pressed point, even off the screen's top.
    EXPECT_EQ(picker.Press(row.from, PickerMetrics::ForDpi(96)), (PickRect{row.from.x, row.from.y - 27, 70, 25}));
    EXPECT_FALSE(picker.Press({1, 1}, PickerMetrics::ForDpi(96)));  // a second button changes nothing
    const auto shown = picker.Move(row.to, row.held).value_or(SelectionFeedback{});
    EXPECT_EQ(shown.sizeText, row.text);
    EXPECT_EQ(shown.frame, row.frame);
    EXPECT_EQ(picker.Release(row.to), row.taken);
    EXPECT_FALSE(picker.Release(row.to) || picker.Press(row.to, PickerMetrics::ForDpi(96)));  // capturing
    picker.CaptureDone();
    EXPECT_EQ(picker.CurrentState(), PickerModel::State::Idle);
  }
  EXPECT_FALSE(PickerModel().Release({1, 1}));
  // 70 and 2 pixels at 96 DPI and 375 twips, at 125 %, 200 %, 250 % and 425 %, halves rounded up; no DPI known: 96.
  for (const auto& [dpi, width, height, gap] :
       {std::tuple(120u, 88, 31, 3), {192u, 140, 50, 4}, {240u, 175, 63, 5}, {408u, 298, 106, 9}, {0u, 70, 25, 2}}) {
    const PickerMetrics m = PickerMetrics::ForDpi(dpi);
    EXPECT_EQ(std::tuple(m.readOutWidth, m.readOutHeight, m.readOutGap), std::tuple(width, height, gap)) << dpi;
  }
  EXPECT_EQ(SizeReadOut({INT32_MIN, 0}, {INT32_MAX, -5}), L"4294967295,5");
}

// A 150 % primary, a 100 % one left of it and a 125 % one below that, listed first: to the
// last column and row of each, and where no monitor shows, the nearest monitor's DPI.
TEST(Picker, TheReadOutBoxTakesTheDpiOfTheMonitorUnderThePress) {
  const screen::Monitor monitors[] = {
      {{-1280, 1080, 0, 1800}, {}, 120}, {{0, 0, 1920, 1080}, {}, 144}, {{-1280, 56, 0, 1080}, {}, 96}};
  const std::pair<PickPoint, unsigned> rows[] = {{{100, 500}, 96},  {{1279, 500}, 96}, {{100, 1079}, 96},
                                                 {{1280, 500}, 144}, {{100, 1080}, 120}, {{100, 10}, 96},
                                                 {{1270, 20}, 144}};
  for (const auto& [at, dpi] : rows) {
    const PickerMetrics m = PickerMetricsAt(at, screen::VirtualScreen(monitors), monitors);
    EXPECT_EQ(std::pair(m.dpi, m.readOutWidth), std::pair(dpi, PickerMetrics::ForDpi(dpi).readOutWidth)) << at.x;
  }
  EXPECT_EQ(PickerMetricsAt({5, 5}, {}, {}).dpi, 96u);  // no monitor known
}

TEST(PickerIdleClock, ElevenTicksWithoutMovementCloseEvenMidSelectionAndReloadKeepsTheCount) {
  PickerModel picker;
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(picker.Tick());
  picker.Move({3, 3}, kRightButton | kMiddleButton);  // any movement starts the count again
  picker.Press({50, 50}, PickerMetrics::ForDpi(96));
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(picker.Tick());
  EXPECT_TRUE(picker.Tick());  // a held button without movement still closes
  picker.Load();               // the shared picker opened again: idle, count kept
  EXPECT_EQ(std::pair(picker.CurrentState(), picker.IdleTicks()), std::pair(PickerModel::State::Idle, 11));
  EXPECT_TRUE(picker.Tick());
  picker.Move({1, 1}, kNoButton);
  EXPECT_FALSE(picker.Tick());
}

TEST(ShotInterval, WholeSecondsOfTheLeadingNumberNothingWhenNoneAndNeverPastTheTimersLongest) {
  const std::pair<const wchar_t*, std::uint32_t> rows[] = {
      {L"10", 10000}, {L"1", 1000}, {L"2.9", 2000}, {L" 1 5s", 15000}, {L"3,5", 3000}, {L"1e1", 10000}, {L"&H10", 16000},
      {L"", 0}, {L"abc", 0}, {L"-", 0}, {L"0", 0}, {L"0.99", 0}, {L"-1", 0}, {L"-2.9", 0}, {L"-1e400", 0},
      {L"2147483", 2147483000}, {L"2147484", 0x7FFFFFFF}, {L"4294968", 0x7FFFFFFF}, {L"1e400", 0x7FFFFFFF}};
  for (const auto& [text, milliseconds] : rows) EXPECT_EQ(IntervalMilliseconds(text), milliseconds) << text;
}

TEST(ContinuousCapture, LabelsSpotCaptionsAndACountThatOutlivesPausesAndReopening) {
  const std::pair<std::int64_t, const wchar_t*> labels[] = {
      {0, L" 000"}, {9, L" 009"}, {10, L" 010"}, {99, L" 099"}, {100, L"100"}, {32768, L"32768"}};
  for (const auto& [count, label] : labels) EXPECT_EQ(ShotCountLabel(count), label) << count;
  EXPECT_EQ(ControlWindowSpot(1920, 1080, 160, 100, 96), (WindowSpot{1760, 1080 - 100 - 47}));  // 700 twips up
  EXPECT_EQ(ControlWindowSpot(3840, 2160, 320, 200, 192), (WindowSpot{3520, 2160 - 200 - 93}));
  EXPECT_EQ(ControlWindowSpot(1024, 768, 160, 100, 0).top, 768 - 100 - 47);
  EXPECT_EQ(ControlWindowSpot(1920, 1080, 160, 100, 108).top, 1080 - 100 - 53);  // 52.5 pixels at 112.5 %
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
