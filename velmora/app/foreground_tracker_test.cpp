#include "velmora/app/foreground_tracker.h"

#include <gtest/gtest.h>

namespace {
struct FakeWindow {};
}  // namespace

TEST(ForegroundTracker, TheBarIsNeverRecordedAndEveryOtherWindowIs) {
  FakeWindow bar, editor, help;
  words::ForegroundTracker<const FakeWindow*> tracker(&bar);
  EXPECT_EQ(tracker.Target(), nullptr);  // nothing before the first tick
  tracker.Tick(&editor);
  EXPECT_EQ(tracker.Target(), &editor);
  tracker.Tick(&bar);  // clicking the bar or opening its menu
  EXPECT_EQ(tracker.Target(), &editor);
  tracker.Tick(&help);  // the program's own other windows count
  EXPECT_EQ(tracker.Target(), &help);
  tracker.Tick(nullptr);  // while activation changes
  EXPECT_EQ(tracker.Target(), nullptr);
}
