// AppPath, the one-in-fifteen draw, the bar's corner, dragging and target rules.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "velmora/app/app_path.h"
#include "velmora/app/bar_model.h"
#include "velmora/app/home_page_draw.h"

namespace velmora {
namespace {

TEST(AppPath, EndsWithExactlyOneBackslash) {
  EXPECT_EQ(AppPath(L"C:\\Tools\\Velmora\\Velmora.exe"), L"C:\\Tools\\Velmora\\");
  EXPECT_EQ(AppPath(L"C:\\Velmora.exe"), L"C:\\");
  EXPECT_EQ(AppPath(L"D:\\\\Velmora.exe"), L"D:\\");
  EXPECT_EQ(AppPath(L"C:\\工具\\\\Velmora.exe"), L"C:\\工具\\");
  EXPECT_EQ(AppPath(L"\\\\server\\share\\Velmora.exe"), L"\\\\server\\share\\");
  EXPECT_EQ(AppPath(L"Z:/home/user/dist/Velmora.exe"), L"Z:/home/user/dist\\");
}

TEST(AppPath, BareNameMeansTheCurrentFolder) {
  EXPECT_EQ(AppPath(L"Velmora.exe"), L".\\");
  EXPECT_EQ(AppPath(L""), L".\\");
}

TEST(HomePageDraw, OnlyTheLowestFifteenthOpensIt) {
  EXPECT_EQ(DrawOneToFifteen(0.0), 1);
  EXPECT_EQ(DrawOneToFifteen(1.0 / 15.0 - 1e-12), 1);
  EXPECT_EQ(DrawOneToFifteen(1.0 / 15.0), 2);
  EXPECT_EQ(DrawOneToFifteen(0.5), 8);
  EXPECT_EQ(DrawOneToFifteen(0.9999999999), 15);
  EXPECT_TRUE(HomePageDue([] { return 0.05; }));
  EXPECT_FALSE(HomePageDue([] { return 0.07; }));
}

TEST(HomePageDraw, AMisbehavingSourceNeverOpensIt) {
  EXPECT_EQ(DrawOneToFifteen(1.0), 15);
  EXPECT_EQ(DrawOneToFifteen(-0.01), 15);
  EXPECT_EQ(DrawOneToFifteen(std::numeric_limits<double>::quiet_NaN()), 15);
  EXPECT_FALSE(HomePageDue(RandomSource{}));
}

TEST(HomePageDraw, ClockSeededSourceOpensAboutOnceInFifteen) {
  const RandomSource source = ClockSeededSource();
  int opened = 0;
  constexpr int kStarts = 30000;
  for (int i = 0; i < kStarts; ++i) {
    const double u = source();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
    opened += DrawOneToFifteen(u) == 1;
  }
  // 2000 expected; the bounds are more than six standard deviations wide.
  EXPECT_GT(opened, 1740);
  EXPECT_LT(opened, 2260);
}

TEST(BarPlacement, StandsInTheLowerRightCorner) {
  // 1920 x 1080 pixels at 15 twips per pixel.
  const Point p = CornerPosition(28800, 16200, kBarWidthTwips, kBarHeightTwips);
  EXPECT_EQ(28800 - (p.x + kBarWidthTwips), 50);
  EXPECT_EQ(16200 - (p.y + kBarHeightTwips), 385);
}

TEST(BarDrag, KeepsTheGrabbedPointUnderTheCursor) {
  BarDrag drag;
  EXPECT_EQ(drag.Press(MouseButton::Left, {7, 11}), BarDrag::PressResult::StartDrag);
  EXPECT_EQ(drag.Move({500, 300}), (Point{493, 289}));
  // Outside the bar and even off the screen's left edge.
  EXPECT_EQ(drag.Move({2, 3}), (Point{-5, -8}));
  drag.Release();
  EXPECT_FALSE(drag.Move({600, 600}).has_value());
}

TEST(BarDrag, MiddleButtonDragsAndRightButtonOpensTheMenu) {
  BarDrag drag;
  EXPECT_FALSE(drag.Move({1, 1}).has_value());
  EXPECT_EQ(drag.Press(MouseButton::Right, {3, 3}), BarDrag::PressResult::PopUpMenu);
  EXPECT_FALSE(drag.Dragging());
  EXPECT_EQ(drag.Press(MouseButton::Middle, {3, 4}), BarDrag::PressResult::StartDrag);
  EXPECT_EQ(drag.Move({10, 10}), (Point{7, 6}));
}

TEST(ForegroundTracker, NeverRecordsTheBarButRecordsEverythingElse) {
  ForegroundTracker tracker(0x100);
  EXPECT_EQ(tracker.Target(), 0u);
  tracker.Tick(0x200);
  tracker.Tick(0x100);
  EXPECT_EQ(tracker.Target(), 0x200u);
  tracker.Tick(0);  // activation changing: nothing in front
  EXPECT_EQ(tracker.Target(), 0u);
}

}  // namespace
}  // namespace velmora
