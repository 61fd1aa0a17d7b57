#include "velmora/capture/cap_area_model.h"

#include <gtest/gtest.h>

using namespace capture;

TEST(Picker, DragsInEveryDirectionWithEveryButton) {
  const PickerMetrics metrics = PickerMetrics::ForDpi(96);
  struct Row {
    PickPoint from, to;
    unsigned held;
    const wchar_t* readOut;  // nullptr: the move shows nothing
    FrameCorners frame;
    PickRect taken;
  };
  const Row rows[] = {
      {{100, 100}, {300, 200}, kLeftButton, L"200,100", {99, 99, 301, 201}, {100, 100, 200, 100}},
      {{300, 200}, {100, 100}, kLeftButton, L"200,100", {99, 99, 301, 201}, {100, 100, 200, 100}},
      {{100, 200}, {300, 100}, kLeftButton, L"200,100", {99, 99, 301, 201}, {100, 100, 200, 100}},
      {{100, 100}, {315, 164}, kLeftButton, L"215,64", {99, 99, 316, 165}, {100, 100, 215, 64}},
      {{640, 480}, {640, 480}, kLeftButton, L"0,0", {639, 479, 641, 481}, {640, 480, 0, 0}},  // a click
      {{10, 20}, {10, 90}, kLeftButton, L"0,70", {9, 19, 11, 91}, {10, 20, 0, 70}},
      {{0, 3}, {50, 50}, kRightButton, nullptr, {}, {0, 3, 50, 47}},  // the right button takes, never draws
      {{5, 5}, {9, 9}, kMiddleButton, nullptr, {}, {5, 5, 4, 4}},
      {{5, 5}, {9, 9}, kLeftButton | kRightButton, nullptr, {}, {5, 5, 4, 4}},
      {{5, 5}, {9, 9}, kLeftButton | kXButton1, nullptr, {}, {5, 5, 4, 4}},
      {{5, 5}, {9, 9}, kNoButton, nullptr, {}, {5, 5, 4, 4}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.from.x << "," << row.from.y << " to " << row.to.x << "," << row.to.y
                                    << " held " << row.held);
    PickerModel picker;
    EXPECT_FALSE(picker.Move(row.from, kLeftButton));  // nothing pressed yet
    // The read-out box stands just above the pressed point, even off the screen's top.
    EXPECT_EQ(picker.Press(row.from, metrics), (PickRect{row.from.x, row.from.y - 27, 70, 25}));
    EXPECT_FALSE(picker.Press({1, 1}, metrics));  // a second button changes nothing
    const auto shown = picker.Move(row.to, row.held);
    ASSERT_EQ(shown.has_value(), row.readOut != nullptr);
    if (shown) {
      EXPECT_EQ(shown->sizeText, row.readOut);
      EXPECT_EQ(shown->frame, row.frame);
    }
    EXPECT_EQ(picker.Release(row.to), row.taken);
    EXPECT_FALSE(picker.Release(row.to));  // capturing: a second button's release
    EXPECT_FALSE(picker.Press(row.to, metrics));
    picker.CaptureDone();
    EXPECT_EQ(picker.CurrentState(), PickerModel::State::Idle);
  }
  EXPECT_FALSE(PickerModel().Release({1, 1}));
  const PickerMetrics doubled = PickerMetrics::ForDpi(192), unknown = PickerMetrics::ForDpi(0);
  EXPECT_EQ(std::tuple(doubled.readOutWidth, doubled.readOutHeight, doubled.readOutGap), std::tuple(140, 50, 4));
  EXPECT_EQ(unknown.readOutWidth, 70);  // no DPI known: the usual screen
  EXPECT_EQ(SizeReadOut({INT32_MIN, 0}, {INT32_MAX, -5}), L"4294967295,5");
}

TEST(PickerIdleClock, ElevenTicksWithoutMovementCloseEvenMidSelectionAndReloadKeepsTheCount) {
  PickerModel picker;
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(picker.Tick());
  picker.Move({3, 3}, kRightButton | kMiddleButton);  // any movement starts the count again
  EXPECT_EQ(picker.IdleTicks(), 0);
  picker.Press({50, 50}, PickerMetrics::ForDpi(96));
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(picker.Tick());
  EXPECT_TRUE(picker.Tick());  // a held button without movement still closes
  picker.Load();               // the shared picker opened again: idle, count kept
  EXPECT_EQ(picker.CurrentState(), PickerModel::State::Idle);
  EXPECT_EQ(picker.IdleTicks(), 11);
  for (int i = 0; i < 70000; ++i) EXPECT_TRUE(picker.Tick());  // and never wraps
  picker.Move({1, 1}, kNoButton);
  EXPECT_FALSE(picker.Tick());
}
