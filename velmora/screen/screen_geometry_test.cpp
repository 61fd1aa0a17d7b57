#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "velmora/screen/screen_geometry.h"

using namespace screen;

namespace {

using Monitors = std::span<const Monitor>;

// A laptop at 150 % with a 100 % monitor to its left, bottoms aligned.
const Monitor kLeftOfPrimary[] = {{{-1280, 56, 0, 1080}, {-1280, 56, 0, 1040}, 96},
                                  {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 144}};
// A 2560 x 1440 primary, one monitor above it and one to its right past a gap.
const Monitor kThree[] = {{{0, 0, 2560, 1440}, {0, 0, 2560, 1400}, 144},
                          {{320, -1080, 2240, 0}, {320, -1080, 2240, 0}, 96},
                          {{2660, 0, 4580, 1200}, {2660, 0, 4580, 1160}, 120}};
// A strip between two columns of monitors that no monitor shows.
const Monitor kStrip[] = {{{0, 0, 1000, 1000}, {}, 96}, {{1100, 0, 2000, 500}, {}, 96}, {{1100, 500, 2000, 1000}, {}, 96}};
// The system may list another monitor before the primary.
const Monitor kRightFirst[] = {{{1920, 0, 3840, 1200}, {1920, 0, 3840, 1160}, 120}, {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96}};
// Two monitors apart, corner to corner.
const Monitor kDiagonal[] = {{{0, 0, 100, 100}, {}, 96}, {{100, 117, 200, 217}, {}, 96}};

}  // namespace

// What whole-screen captures and the area picker cover, and what of it no monitor shows.
TEST(ScreenGeometry, VirtualScreenAndWhatNoMonitorShows) {
  const Monitor one[] = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96}};
  const struct { Monitors monitors; ScreenRect all; bool maximised; std::vector<ScreenRect> uncovered; } rows[] = {
      {one, {0, 0, 1920, 1080}, true, {}}, {kLeftOfPrimary, {-1280, 0, 1920, 1080}, false, {{-1280, 0, 0, 56}}},
      {kThree, {0, -1080, 4580, 1440}, false,
       {{0, -1080, 320, 0}, {2240, -1080, 4580, 0}, {2560, 0, 2660, 1200}, {2560, 1200, 4580, 1440}}},
      {kStrip, {0, 0, 2000, 1000}, false, {{1000, 0, 1100, 1000}}}, {{}, {}, false, {}}};
  for (const auto& row : rows) {
    EXPECT_EQ(VirtualScreen(row.monitors), row.all);
    EXPECT_EQ(PickerCovers(row.monitors), (PickerCover{row.all, row.maximised}));
    EXPECT_EQ(UncoveredParts(row.monitors), row.uncovered);
  }
}

TEST(ScreenGeometry, TheMonitorARectangleBelongsTo) {
  const struct { Monitors monitors; ScreenRect rect; int monitor; } rows[] = {  // the monitor's index, -1 for none
      {kLeftOfPrimary, {-300, 100, 500, 600}, 1},    // spans both, more on the primary
      {kLeftOfPrimary, {-1000, 100, 100, 600}, 0},   // spans both, more on the left one
      {kLeftOfPrimary, {-200, 100, 400, 1000}, 1},   // more area, though less width than height
      {kLeftOfPrimary, {0, 100, 1, 101}, 1},         // one pixel on it beats touching the other
      {kLeftOfPrimary, {-2000, -500, -1500, -100}, 0},  // off every monitor: the nearest
      {kLeftOfPrimary, {10, -20, 20, -10}, 1},       // nearer straight above than aslant
      {kDiagonal, {105, 105, 110, 110}, 1},          // 7 below beats 5 across and 5 down
      {kStrip, {1040, 100, 1060, 110}, 0},           // as near to two: the first
      {kThree, {0, -1080, 300, -10}, 0},             // in the gap above the primary's left end
      {kThree, {2570, 100, 2620, 150}, 0},           // in the gap, nearer the primary
      {kThree, {2630, 100, 2680, 150}, 2},
      {kThree, {1000, -19, 1056, 0}, 1},
      {kThree, {4600, 100, 4700, 200}, 2},
      {{}, {0, 0, 10, 10}, -1}};
  for (const auto& row : rows) {
    const Monitor* found = MonitorOf(row.rect, row.monitors);
    EXPECT_EQ(found ? found - row.monitors.data() : -1, row.monitor) << row.rect.left << "," << row.rect.top;
  }
}

// kLeftOfPrimary: a 96 DPI monitor left of a primary at 150 % (144 DPI).
// Targets: window, visible frame, minimised, maximised, renders its own picture, awareness, its DPI.
TEST(ScreenGeometry, WhatAShotOfAWindowReads) {
  using S = WindowShot::Source;
  constexpr auto Un = DpiAwareness::Unaware, Sys = DpiAwareness::System, PM = DpiAwareness::PerMonitor;
  const struct { ShotTarget target; unsigned systemDpi; WindowShot shot; } rows[] = {
      {{{100, 100, 900, 700}, {107, 100, 893, 693}, 0, 0, 1, PM}, 144, {S::Window, {7, 0, 793, 593}}},  // invisible borders
      {{{-400, 200, 600, 800}, {}, 0, 0, 1, PM}, 144, {S::Window, {0, 0, 1000, 600}}},   // across two monitors
      {{{-3000, 0, -2000, 500}, {}, 0, 0, 1, PM}, 144, {S::Window, {0, 0, 1000, 500}}},  // off every monitor
      {{{-400, 200, 600, 800}, {-400, 200, 600, 800}}, 144, {S::Screen, {-400, 200, 600, 800}}},
      {{{-1500, 100, -1000, 400}}, 144, {S::Screen, {-1280, 100, -1000, 400}}},
      {{{1800, 1000, 2100, 1200}}, 144, {S::Screen, {1800, 1000, 1920, 1080}}},
      {{{-3000, 0, -2000, 500}}, 144, {}},  // nothing to read: skipped
      {{{5, 5, 5, 5}, {}, 0, 0, 1, PM}, 144, {}},
      {{{0, 0, 100, 100}, {200, 200, 300, 300}, 0, 0, 1, PM}, 144, {}},
      // Scaled by the system on screen, where its own picture would be smaller.
      {{{100, 100, 500, 400}, {}, 0, 0, 1, Un, 96}, 144, {S::Screen, {100, 100, 500, 400}}},  // unaware at 150 %
      {{{100, 100, 500, 400}, {}, 0, 0, 1, Sys, 144}, 144, {S::Window, {0, 0, 400, 300}}},
      {{{-900, 100, -500, 400}, {}, 0, 0, 1, Sys, 144}, 144, {S::Screen, {-900, 100, -500, 400}}},
      {{{-900, 100, -500, 400}, {}, 0, 0, 1, Un, 96}, 144, {S::Window, {0, 0, 400, 300}}},
      {{{-900, 100, 100, 400}, {}, 0, 0, 1, PM, 144}, 144, {S::Window, {0, 0, 1000, 300}}},
      {{{-900, 100, -500, 400}, {}, 0, 0, 1}, 96, {S::Window, {0, 0, 400, 300}}},  // DPI unknown (7, 8.1)
      {{{-900, 100, -500, 400}, {}, 0, 0, 1}, 120, {S::Screen, {-900, 100, -500, 400}}},
      {{{100, 100, 500, 400}, {}, 0, 0, 1}, 96, {S::Screen, {100, 100, 500, 400}}},
      {{{-32000, -32000, -31840, -31972}, {}, 1, 0, 1, PM}, 144, {}},  // minimised: nothing to take
      {{{100, 100, 260, 128}, {}, 1}, 144, {}},
      {{{-8, -8, 1928, 1048}, {}, 0, 1}, 144, {S::Screen, {0, 0, 1920, 1048}}},  // maximised: its monitor only
      {{{-8, -8, 1928, 1048}, {}, 0, 1, 1, PM}, 144, {S::Window, {8, 8, 1928, 1056}}},
      {{{-1288, 48, 8, 1048}, {}, 0, 1}, 144, {S::Screen, {-1280, 56, 0, 1048}}},
      {{{-8, -8, 1928, 1048}}, 144, {S::Screen, {-8, 0, 1920, 1048}}}};
  for (const auto& row : rows) {
    EXPECT_EQ(ShotOfWindow(row.target, kLeftOfPrimary, row.systemDpi), row.shot) << row.target.window.left;
  }
  EXPECT_EQ(ShotOfWindow({{0, 0, 10, 10}, {}, 0, 0, 1}, {}, 96), (WindowShot{S::Window, {0, 0, 10, 10}}));
}

TEST(ScreenGeometry, TheNoticeStandsAtTheBarOnItsMonitor) {
  // Each with the DPI of the monitor it goes on.
  const struct { Monitors monitors; std::optional<ScreenRect> bar; unsigned dpi; ScreenPoint at; } rows[] = {
      {kLeftOfPrimary, ScreenRect{1850, 1000, 1906, 1019}, 144, {1506, 940}},  // above the bar, right edges aligned
      {kLeftOfPrimary, ScreenRect{100, 0, 156, 19}, 144, {0, 19}},             // no room above: below it
      {kLeftOfPrimary, std::nullopt, 144, {1520, 980}},                        // no bar: the primary's corner
      {kLeftOfPrimary, ScreenRect{}, 144, {1520, 980}},                        // a hidden bar has no place
      {kLeftOfPrimary, ScreenRect{-500, 600, -500, 600}, 144, {1520, 980}},
      {kRightFirst, std::nullopt, 96, {1520, 980}},
      {kLeftOfPrimary, ScreenRect{100, 60, 156, 79}, 144, {0, 0}},  // just room above
      {kLeftOfPrimary, ScreenRect{-100, 1000, -44, 1019}, 96, {-444, 940}},
      {kLeftOfPrimary, ScreenRect{-1280, 300, -1224, 319}, 96, {-1280, 240}},
      {kThree, ScreenRect{2220, -30, 2276, -11}, 96, {1840, -90}},  // kept inside the upper monitor
      {kThree, ScreenRect{4500, 1150, 4556, 1169}, 120, {4156, 1090}}};
  for (const auto& row : rows) {
    const Monitor* monitor = NoticeMonitor(row.bar, row.monitors);
    ASSERT_NE(monitor, nullptr);
    EXPECT_EQ(monitor->dpi, row.dpi);
    EXPECT_EQ(NoticeOrigin(row.bar, 400, 60, *monitor), row.at) << row.at.x;
  }
  const Monitor small{{0, 0, 300, 50}, {0, 0, 300, 50}, 96};  // a notice larger than the work area
  EXPECT_EQ(NoticeOrigin(ScreenRect{200, 20, 256, 39}, 400, 60, small), (ScreenPoint{0, 0}));
}
