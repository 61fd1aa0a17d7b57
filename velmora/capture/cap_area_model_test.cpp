#include <gtest/gtest.h>

#include "velmora/capture/cap_area_model.h"

using namespace capture;

namespace {

const PickerMetrics kMetrics = PickerMetrics::ForDpi(96);

}  // namespace

TEST(PickerMetrics, ReadOutBoxScalesWithTheDpi) {
  EXPECT_EQ(kMetrics.readOutWidth, 70);
  EXPECT_EQ(kMetrics.readOutHeight, 25);
  EXPECT_EQ(kMetrics.readOutGap, 2);
  const PickerMetrics doubled = PickerMetrics::ForDpi(192);
  EXPECT_EQ(doubled.readOutWidth, 140);
  EXPECT_EQ(doubled.readOutHeight, 50);
  EXPECT_EQ(doubled.readOutGap, 4);
  EXPECT_EQ(PickerMetrics::ForDpi(0).readOutWidth, 70);  // no DPI known: the usual screen
}

TEST(Picker, PressMovesTheReadOutJustAboveThePressedPoint) {
  PickerModel picker;
  const auto box = picker.Press({100, 200}, kMetrics);
  ASSERT_TRUE(box);
  EXPECT_EQ(*box, (PickRect{100, 200 - 25 - 2, 70, 25}));
  EXPECT_EQ(picker.CurrentState(), PickerModel::State::Selecting);
  // A second button pressed while selecting changes nothing.
  EXPECT_FALSE(picker.Press({5, 5}, kMetrics));
  EXPECT_EQ(picker.Start(), (PickPoint{100, 200}));
}

TEST(Picker, PressNearTheTopPutsTheReadOutAboveTheScreen) {
  PickerModel picker;
  EXPECT_EQ(picker.Press({0, 3}, kMetrics)->top, 3 - 27);
}

TEST(Picker, MoveShowsSizeAndFrameOnlyWithExactlyTheLeftButtonWhileSelecting) {
  PickerModel picker;
  EXPECT_FALSE(picker.Move({50, 50}, kLeftButton));  // not pressed yet
  picker.Press({100, 100}, kMetrics);
  const auto shown = picker.Move({315, 164}, kLeftButton);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->sizeText, L"215,64");
  EXPECT_EQ(shown->frame, (FrameCorners{99, 99, 316, 165}));
  for (const unsigned buttons : {unsigned{kNoButton}, unsigned{kRightButton}, unsigned{kMiddleButton},
                                 unsigned{kLeftButton | kRightButton}, unsigned{kLeftButton | kMiddleButton},
                                 unsigned{kLeftButton | kXButton1}, unsigned{kXButton2}}) {
    EXPECT_FALSE(picker.Move({200, 200}, buttons)) << buttons;
  }
}

TEST(Picker, ReadOutAndFrameWhenDraggingUpAndLeft) {
  PickerModel picker;
  picker.Press({300, 200}, kMetrics);
  const auto shown = picker.Move({100, 100}, kLeftButton);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->sizeText, L"200,100");
  EXPECT_EQ(shown->frame, (FrameCorners{99, 99, 301, 201}));
  // Back at the pressed point: an empty selection still has its frame.
  const auto none = picker.Move({300, 200}, kLeftButton);
  EXPECT_EQ(none->sizeText, L"0,0");
  EXPECT_EQ(none->frame, (FrameCorners{299, 199, 301, 201}));
}

TEST(Picker, SizeReadOutOfExtremeCoordinatesDoesNotOverflow) {
  EXPECT_EQ(SizeReadOut({INT32_MIN, 0}, {INT32_MAX, -5}), L"4294967295,5");
}

TEST(Picker, ReleaseTakesTheSameRectangleWhicheverCornerCameFirst) {
  const PickRect expected{100, 100, 200, 100};
  const PickPoint corners[][2] = {{{100, 100}, {300, 200}}, {{300, 200}, {100, 100}},
                                  {{100, 200}, {300, 100}}, {{300, 100}, {100, 200}}};
  for (const auto& pair : corners) {
    PickerModel picker;
    picker.Press(pair[0], kMetrics);
    const auto rect = picker.Release(pair[1]);
    ASSERT_TRUE(rect);
    EXPECT_EQ(*rect, expected);
    EXPECT_EQ(picker.CurrentState(), PickerModel::State::Capturing);
    picker.CaptureDone();
    EXPECT_EQ(picker.CurrentState(), PickerModel::State::Idle);
  }
}

TEST(Picker, ClickWithoutMovementTakesAnEmptyRectangle) {
  PickerModel picker;
  picker.Press({640, 480}, kMetrics);
  EXPECT_EQ(picker.Release({640, 480}), (PickRect{640, 480, 0, 0}));
  PickerModel line;
  line.Press({10, 20}, kMetrics);
  EXPECT_EQ(line.Release({10, 90}), (PickRect{10, 20, 0, 70}));
}

TEST(Picker, ReleaseWithoutPressOrTwiceTakesNothing) {
  PickerModel picker;
  EXPECT_FALSE(picker.Release({1, 1}));
  picker.Press({1, 1}, kMetrics);
  EXPECT_TRUE(picker.Release({5, 5}));
  EXPECT_FALSE(picker.Release({9, 9}));   // capturing: a second button's release
  EXPECT_FALSE(picker.Press({9, 9}, kMetrics));
}

TEST(PickerIdleClock, ClosesOnTheEleventhTickWithoutMovement) {
  PickerModel picker;
  for (int tick = 1; tick <= 10; ++tick) EXPECT_FALSE(picker.Tick()) << tick;
  EXPECT_TRUE(picker.Tick());
  EXPECT_EQ(picker.IdleTicks(), 11);
}

TEST(PickerIdleClock, AnyMovementStartsTheCountAgainEvenWithoutButtons) {
  PickerModel picker;
  for (int i = 0; i < 10; ++i) picker.Tick();
  picker.Move({3, 3}, kNoButton);
  EXPECT_EQ(picker.IdleTicks(), 0);
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(picker.Tick());
  picker.Move({4, 4}, kRightButton | kMiddleButton);
  EXPECT_EQ(picker.IdleTicks(), 0);
}

TEST(PickerIdleClock, AHeldButtonWithoutMovementStillCloses) {
  PickerModel picker;
  picker.Press({50, 50}, kMetrics);
  picker.Move({60, 60}, kLeftButton);
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(picker.Tick());
  EXPECT_TRUE(picker.Tick());
}

TEST(PickerIdleClock, ASharedPickerReopenedKeepsItsCountAndClosesAtTheFirstTick) {
  PickerModel picker;
  for (int i = 0; i < 11; ++i) picker.Tick();
  picker.Load();  // opened again
  EXPECT_EQ(picker.IdleTicks(), 11);
  EXPECT_EQ(picker.CurrentState(), PickerModel::State::Idle);
  EXPECT_TRUE(picker.Tick());
  // Unless the mouse moved over it first.
  picker.Load();
  picker.Move({1, 1}, kNoButton);
  EXPECT_FALSE(picker.Tick());
}

TEST(PickerIdleClock, ReloadingEndsAnUnfinishedSelection) {
  PickerModel picker;
  picker.Press({10, 10}, kMetrics);
  for (int i = 0; i < 11; ++i) picker.Tick();
  picker.Load();
  EXPECT_EQ(picker.CurrentState(), PickerModel::State::Idle);
  EXPECT_TRUE(picker.Press({20, 20}, kMetrics));
}

TEST(PickerIdleClock, ManyTicksNeverWrapTheCount) {
  PickerModel picker;
  for (int i = 0; i < 70000; ++i) picker.Tick();
  EXPECT_TRUE(picker.Tick());
}
