#include "calculators/stopwatch/stopwatch_model.h"

#include <gtest/gtest.h>

using stopwatch::ElapsedText;
using stopwatch::StopwatchModel;

namespace {

// A stopwatch on a hand-set clock: tests move the time instead of waiting.
class StopwatchTest : public ::testing::Test {
 protected:
  void At(std::int64_t seconds) {
    now_ = seconds;
    watch_.Tick();
  }

  std::int64_t now_ = 1'000'000;
  StopwatchModel watch_{[this] { return now_; }};
};

}  // namespace

TEST(ElapsedText, MinutesWithinTheHourAndSecondsWithoutPadding) {
  EXPECT_EQ(ElapsedText(0), L"0:0");
  EXPECT_EQ(ElapsedText(9), L"0:9");
  EXPECT_EQ(ElapsedText(59), L"0:59");
  EXPECT_EQ(ElapsedText(60), L"1:0");
  EXPECT_EQ(ElapsedText(75), L"1:15");
  EXPECT_EQ(ElapsedText(727), L"12:7");
  EXPECT_EQ(ElapsedText(3599), L"59:59");
  EXPECT_EQ(ElapsedText(3600), L"0:0");
  EXPECT_EQ(ElapsedText(3605), L"0:5");
  EXPECT_EQ(ElapsedText(86400 * 400 + 61), L"1:1");
}

TEST(ElapsedText, ClockSetBackShowsZero) {
  EXPECT_EQ(ElapsedText(-1), L"0:0");
  EXPECT_EQ(ElapsedText(-3605), L"0:0");  // not 0:5, not a minus sign
}

TEST_F(StopwatchTest, IdleShowsOneBlankAndTicksChangeNothing) {
  EXPECT_EQ(watch_.Text(), L" ");
  EXPECT_FALSE(watch_.Running());
  At(now_ + 30);
  EXPECT_EQ(watch_.Text(), L" ");
  watch_.Stop();  // stopping while idle changes nothing
  At(now_ + 1);
  EXPECT_EQ(watch_.Text(), L" ");
}

TEST_F(StopwatchTest, CountsFromTheStartPressAtTheNextTick) {
  watch_.Begin();
  EXPECT_TRUE(watch_.Running());
  EXPECT_EQ(watch_.Text(), L" ");  // the start press itself leaves the box alone
  At(now_);
  EXPECT_EQ(watch_.Text(), L"0:0");
  At(now_ + 1);
  EXPECT_EQ(watch_.Text(), L"0:1");
  At(now_ + 74);
  EXPECT_EQ(watch_.Text(), L"1:15");
  At(now_ + 3530);
  EXPECT_EQ(watch_.Text(), L"0:5");  // 3 605 s: the hour is dropped
}

TEST_F(StopwatchTest, StopFreezesTheDisplayAndStartCountsAgainFromZero) {
  watch_.Begin();
  At(now_ + 75);
  watch_.Stop();
  EXPECT_FALSE(watch_.Running());
  At(now_ + 100);
  EXPECT_EQ(watch_.Text(), L"1:15");
  watch_.Stop();
  At(now_ + 5);
  EXPECT_EQ(watch_.Text(), L"1:15");

  watch_.Begin();
  EXPECT_EQ(watch_.Text(), L"1:15");  // until the next tick
  At(now_);
  EXPECT_EQ(watch_.Text(), L"0:0");
  At(now_ + 9);
  EXPECT_EQ(watch_.Text(), L"0:9");
}

TEST_F(StopwatchTest, StartWhileRunningRestartsTheCount) {
  watch_.Begin();
  At(now_ + 50);
  EXPECT_EQ(watch_.Text(), L"0:50");
  watch_.Begin();
  At(now_ + 2);
  EXPECT_EQ(watch_.Text(), L"0:2");
}

TEST_F(StopwatchTest, ClockSetBackBelowTheStartShowsZeroUntilTimeIsPositiveAgain) {
  watch_.Begin();
  const std::int64_t start = now_;
  At(start + 20);
  EXPECT_EQ(watch_.Text(), L"0:20");
  At(start - 3600);  // the user sets the system clock back an hour
  EXPECT_EQ(watch_.Text(), L"0:0");
  At(start - 1);
  EXPECT_EQ(watch_.Text(), L"0:0");
  At(start + 3);
  EXPECT_EQ(watch_.Text(), L"0:3");
}
