#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "velmora/capture/measure_model.h"

using namespace capture;

TEST(Measure, AreaPointsToPicturePixelsUnderZoomAndPanKeptOnThePicture) {
  const Extent picture{1200, 900};
  const struct { ViewMapping view; Offset inArea; PicturePoint expected; bool on; } rows[] = {
      {{0, 0, 1}, {100, 200}, {100, 200}, true},        {{-50, -30, 1}, {100, 200}, {150, 230}, true},
      {{-1000.5, 4, 4}, {3, 400}, {250.875, 99}, true},  // fractions of a pixel when zoomed in
      {{10, 40, 0.25}, {60, 90}, {200, 200}, true},      {{10, 40, 0.25}, {5, 90}, {0, 200}, false},
      {{10, 40, 0.25}, {400, 300}, {1200, 900}, false},  // past the right and bottom edges
      {{0, 0, 1}, {1199, 899}, {1199, 899}, true},       {{0, 0, 1}, {1200, 5}, {1200, 5}, false},
      {{0, 0, 1}, {0, 0}, {0, 0}, true},                 {{0, 0, 1}, {5, 900}, {5, 900}, false},
      {{0, 40, 1}, {5, 30}, {5, 0}, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << (&row - rows));
    EXPECT_EQ(row.view.ToPicture(row.inArea, picture), row.expected);
    EXPECT_EQ(row.view.OnPicture(row.inArea, picture), row.on);
  }
  EXPECT_EQ((ViewMapping{-1000.5, 4, 4}.ToArea({250.875, 99})), (PicturePoint{3, 400}));
}

TEST(Measure, LengthsPartsAndAnglesInEveryQuadrant) {
  const struct { PicturePoint from, to; double length, dx, dy, angle; } rows[] = {
      {{100, 300}, {300, 174}, 236.38, 200, 126, 32.21},   {{300, 300}, {100, 174}, 236.38, -200, 126, -32.21},
      {{300, 174}, {100, 300}, 236.38, -200, -126, 32.21}, {{100, 174}, {300, 300}, 236.38, 200, -126, -32.21},
      {{5, 10}, {5, 0}, 10, 0, 10, 90},                    {{5, 0}, {5, 10}, 10, 0, -10, 90},
      {{0, 7}, {300, 7}, 300, 300, 0, 0},                  {{300, 7}, {0, 7}, 300, -300, 0, 0},
      {{4, 4}, {4, 4}, 0, 0, 0, 0},                        {{1, 100}, {0, 0}, 100.005, -1, 100, -89.43}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << (&row - rows));
    const LineReading r = MeasureLine(row.from, row.to);
    EXPECT_NEAR(r.length, row.length, 0.005);
    EXPECT_EQ(std::pair(r.dx, r.dy), std::pair(row.dx, row.dy));
    EXPECT_NEAR(r.angle, row.angle, 0.005);
  }
}

TEST(Measure, CircleThroughThreePointsOrNoneOnOneLine) {
  const struct { PicturePoint a, b, c; double x, y, radius; } rows[] = {  // radius 0: refused
      {{600, 400}, {400, 400}, {500, 300}, 500, 400, 100},
      {{570.71, 470.71}, {500, 500}, {600, 400}, 500, 400, 100},  // all three on one side
      {{0, 0}, {100, 1}, {200, 0}, 100, -4999.5, 5000.5},          // nearly on one line
      {{0, 0}, {100, 0.002}, {200, 0}, 100, -2499999.999, 2500000.001},
      {{0, 0}, {100, 0.0005}, {200, 0}, 0, 0, 0},
      {{0, 0}, {50, 50}, {100, 100}, 0, 0, 0},
      {{100, 0.0007}, {0, 0}, {200, 0}, 0, 0, 0},  // the longest side is not at the first point
      {{0.0007, 100}, {0, 0}, {0, 200}, 0, 0, 0},
      {{5, 5}, {5, 5}, {9, 1}, 0, 0, 0},  // two of them one point
      {{5, 5}, {5, 5}, {5, 5}, 0, 0, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << (&row - rows));
    const auto circle = CircleThrough(row.a, row.b, row.c);
    ASSERT_EQ(circle.has_value(), row.radius > 0);
    if (!circle) continue;
    const double off = std::max({std::abs(circle->centre.x - row.x), std::abs(circle->centre.y - row.y),
                                 std::abs(circle->radius - row.radius)});
    EXPECT_LT(off, row.radius * 1e-4);
  }
}

TEST(Measure, NumbersWithOneDecimalOrTwoBelowTenAndLabelsBesideTheirPoint) {
  const std::pair<double, const wchar_t*> numbers[] = {
      {0, L"0.00"},     {0.125, L"0.13"},   {9.994, L"9.99"},  {9.996, L"10.0"}, {-0.004, L"0.00"},
      {-0.006, L"-0.01"}, {12.25, L"12.3"}, {-12.25, L"-12.3"}, {236.38, L"236.4"}, {1e20, L"100000000000000000000.0"}};
  for (const auto& [value, text] : numbers) EXPECT_EQ(MeasureNumberText(value), text) << value;
  const Extent seen{400, 300}, label{100, 20};
  const struct { Offset anchor; PicturePoint toward; Extent size; Offset expected; } labels[] = {{{50, 60}, {1, 1}, label, {58, 68}},     {{300, 290}, {0, 0}, label, {192, 262}},  // no room
                {{292, 272}, {1, 1}, label, {300, 280}},  // just room
                {{50, 10}, {1, 1}, {500, 400}, {0, 0}},   {{300, 200}, {-5, -3}, label, {192, 172}},
                {{108, 28}, {-1, -1}, label, {0, 0}},     // just room before
                {{50, 10}, {-1, -1}, label, {58, 18}},    // no room before
                {{200, 100}, {0, 0}, label, {208, 108}}};
  for (const auto& row : labels) EXPECT_EQ(PlaceBeside(row.anchor, row.toward, row.size, seen, 8), row.expected);
  EXPECT_EQ(PlaceBelow({58, 68, 158, 88}, label, seen, 4), (Offset{58, 92}));
  EXPECT_EQ(PlaceBelow({320, 256, 400, 277}, label, seen, 4), (Offset{300, 232}));  // above, moved left
  EXPECT_EQ(PlaceBelow({320, 256, 400, 276}, {500, 400}, seen, 4), (Offset{0, 0}));
  EXPECT_EQ(PlaceBelow({20, 256, 400, 276}, {100, 20}, seen, 4), (Offset{20, 280}));  // just room
}

// One viewer's measurements in a row; a drag counts from 3 area pixels.
TEST(Measure, LinesCirclesTheScaleAndWhatTheReadoutTheBoxAndTheClipboardSay) {
  enum Act { Press, Move, Release, Type, Scale, Escape, Abandon };
  // `at` is also the area point; `text` is typed or entered; `accepted`: a change shown, the box
  // opened or the scale set; `box`: its caption, or nullptr while it is closed.
  const struct { Act act; PicturePoint at; const wchar_t *text; bool accepted; const wchar_t *readout, *copy, *box; }
      steps[] = {
      {Press, {100, 100}, L"", true, L"", L"", nullptr},
      {Move, {103, 97}, L"", false, L"", L"", nullptr},  // not yet a drag
      {Release, {101, 100}, L"", true, L"圆：已取 1 点，还需 2 点", L"", nullptr},
      {Type, {}, L"1", false, L"圆：已取 1 点，还需 2 点", L"", nullptr},  // no line to scale
      {Press, {100, 500}, L"", true, L"圆：已取 1 点，还需 2 点", L"", nullptr},
      {Move, {104, 500}, L"", true, L"L 4.00  Δx 4.00  Δy 0.00  0.00°", L"4.00 px", nullptr},
      {Type, {}, L"1", false, L"L 4.00  Δx 4.00  Δy 0.00  0.00°", L"4.00 px", nullptr},  // still dragging
      {Release, {400, 100}, L"", true, L"L 500.0  Δx 300.0  Δy 400.0  53.1°", L"500.0 px", nullptr},
      {Type, {}, L"a", false, L"L 500.0  Δx 300.0  Δy 400.0  53.1°", L"500.0 px", nullptr},
      {Type, {}, L"5", true, L"L 500.0  Δx 300.0  Δy 400.0  53.1°", L"500.0 px", L"实际长度 (mm)"},
      {Type, {}, L"5", false, L"L 500.0  Δx 300.0  Δy 400.0  53.1°", L"500.0 px", L"实际长度 (mm)"},
      {Scale, {}, L"0", false, L"L 500.0  Δx 300.0  Δy 400.0  53.1°", L"500.0 px", L"实际长度 (mm)  须大于 0"},
      {Scale, {}, L"１０００", true, L"L 1000.0 mm  Δx 600.0 mm  Δy 800.0 mm  53.1°", L"1000.0 mm", nullptr},
      {Type, {}, L".", true, L"L 1000.0 mm  Δx 600.0 mm  Δy 800.0 mm  53.1°", L"1000.0 mm", L"实际长度 (mm)"},
      {Escape, {}, L"", true, L"L 1000.0 mm  Δx 600.0 mm  Δy 800.0 mm  53.1°", L"1000.0 mm", nullptr},  // old scale
      {Scale, {}, L"5", false, L"L 1000.0 mm  Δx 600.0 mm  Δy 800.0 mm  53.1°", L"1000.0 mm", nullptr},  // no box
      {Type, {}, L"2", true, L"L 1000.0 mm  Δx 600.0 mm  Δy 800.0 mm  53.1°", L"1000.0 mm", L"实际长度 (mm)"},
      {Scale, {}, L" 2.5e2 ", true, L"L 250.0 mm  Δx 150.0 mm  Δy 200.0 mm  53.1°", L"250.0 mm", nullptr},
      {Press, {600, 400}, L"", true, L"L 250.0 mm  Δx 150.0 mm  Δy 200.0 mm  53.1°", L"250.0 mm", nullptr},
      {Release, {600, 400}, L"", true, L"圆：已取 1 点，还需 2 点", L"", nullptr},
      {Press, {400, 400}, L"", true, L"圆：已取 1 点，还需 2 点", L"", nullptr},
      {Release, {400, 400}, L"", true, L"圆：已取 2 点，还需 1 点", L"", nullptr},
      {Press, {500, 300}, L"", true, L"圆：已取 2 点，还需 1 点", L"", nullptr},
      {Release, {500, 300}, L"", true, L"Φ 100.0 mm", L"100.0 mm", nullptr},
      {Type, {}, L"1", false, L"Φ 100.0 mm", L"100.0 mm", nullptr},
      {Press, {0, 0}, L"", true, L"Φ 100.0 mm", L"100.0 mm", nullptr},
      {Abandon, {}, L"", true, L"Φ 100.0 mm", L"100.0 mm", nullptr},
      {Release, {0, 0}, L"", true, L"Φ 100.0 mm", L"100.0 mm", nullptr},  // the press was taken away
      {Press, {10, 10}, L"", true, L"Φ 100.0 mm", L"100.0 mm", nullptr},
      {Release, {10, 10}, L"", true, L"圆：已取 1 点，还需 2 点", L"", nullptr},
      {Press, {20, 20}, L"", true, L"圆：已取 1 点，还需 2 点", L"", nullptr},
      {Release, {20, 20}, L"", true, L"圆：已取 2 点，还需 1 点", L"", nullptr},
      {Press, {30, 30}, L"", true, L"圆：已取 2 点，还需 1 点", L"", nullptr},
      {Release, {30, 30}, L"", true, L"三点在一条直线上，不能定圆", L"", nullptr},
      {Press, {0, 0}, L"", true, L"三点在一条直线上，不能定圆", L"", nullptr},
      {Move, {0, 0}, L"", true, L"L 0.00 mm  Δx 0.00 mm  Δy 0.00 mm  0.00°", L"0.00 mm", nullptr},  // along an edge
      {Release, {0, 0}, L"", true, L"L 0.00 mm  Δx 0.00 mm  Δy 0.00 mm  0.00°", L"0.00 mm", nullptr},
      {Type, {}, L"7", true, L"L 0.00 mm  Δx 0.00 mm  Δy 0.00 mm  0.00°", L"0.00 mm", L"实际长度 (mm)"},
      {Scale, {}, L"10", false, L"L 0.00 mm  Δx 0.00 mm  Δy 0.00 mm  0.00°", L"0.00 mm", L"实际长度 (mm)  线长为 0，不能定比例"},
      {Escape, {}, L"", true, L"L 0.00 mm  Δx 0.00 mm  Δy 0.00 mm  0.00°", L"0.00 mm", nullptr},
      {Escape, {}, L"", true, L"", L"", nullptr},
      {Press, {5, 5}, L"", true, L"", L"", nullptr},
      {Escape, {}, L"", true, L"", L"", nullptr},  // the press ends too
      {Move, {50, 50}, L"", false, L"", L"", nullptr},
  };
  MeasureModel model;
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "step " << (&step - steps));
    const Offset area{static_cast<int>(step.at.x), static_cast<int>(step.at.y)};
    // The edge row: the pointer is off the picture, its point clamped to the press point.
    const Offset moved = step.act == Move && step.at == PicturePoint{} ? Offset{20, 0} : area;
    bool accepted = true;
    if (step.act == Press) model.Press(step.at, area);
    if (step.act == Move) accepted = model.Move(step.at, moved, 3);
    if (step.act == Release) model.Release(step.at, area, 3);
    if (step.act == Type) accepted = model.Type(step.text[0]);
    if (step.act == Scale) accepted = model.SetScale(step.text);
    if (step.act == Escape) model.Escape();
    if (step.act == Abandon) model.Abandon();
    EXPECT_EQ(std::tuple(accepted, model.Readout(), model.Shown(), model.CopyText(),
                         model.BoxOpen() ? model.BoxCaption() : L"closed"),
              std::tuple(step.accepted, step.readout, *step.readout != 0, step.copy, step.box ? step.box : L"closed"));
  }
}

TEST(Measure, WhatIsDrawnFollowsTheZoom) {
  const ViewMapping zoomed{-10, 2, 4};
  MeasureModel model;
  model.Press({100, 50}, {0, 0}), model.Release({110, 60}, {40, 40}, 3);
  MeasureDrawing drawing = model.Drawing(zoomed);
  ASSERT_TRUE(drawing.line);
  EXPECT_EQ((*drawing.line)[0], (PicturePoint{390, 202}));
  EXPECT_EQ((*drawing.line)[1], (PicturePoint{430, 242}));
  EXPECT_EQ(std::pair(model.Anchor(), model.Toward()), std::pair(PicturePoint{110, 60}, PicturePoint{10, 10}));
  for (const PicturePoint p : {PicturePoint{60, 40}, {40, 40}}) model.Press(p, {}), model.Release(p, {}, 3);
  drawing = model.Drawing(zoomed);
  EXPECT_TRUE(!drawing.line && !drawing.circle && drawing.markCount == 2);
  EXPECT_EQ(std::pair(drawing.marks[0], drawing.marks[1]), std::pair(PicturePoint{230, 162}, PicturePoint{150, 162}));
  model.Press({50, 50}, {}), model.Release({50, 50}, {}, 3);
  drawing = model.Drawing(zoomed);
  ASSERT_TRUE(drawing.circle && drawing.markCount == 1);
  EXPECT_EQ(drawing.circle->centre, (PicturePoint{190, 162}));  // the picture's (50, 40)
  EXPECT_EQ(drawing.marks[0], drawing.circle->centre);
  EXPECT_EQ(model.Toward(), (PicturePoint{0, 10}));  // from the centre out to the last point
  EXPECT_DOUBLE_EQ(drawing.circle->radius, 40);
}

// The scale box on a 500-pixel line: what it takes, what it refuses and
// which characters typed in the viewer open it.
TEST(Measure, TheScaleBoxReadsPlainAndFullWidthNumbersAndRefusesTheRest) {
  const std::pair<const wchar_t*, const wchar_t*> rows[] = {
      {L"12", L"12.0 mm"},    {L"+12", L"12.0 mm"},     {L"1.", L"1.00 mm"},      {L".5", L"0.50 mm"},
      {L"0.5", L"0.50 mm"},   {L"1e9", L"1000000000.0 mm"}, {L"1e+2", L"100.0 mm"}, {L"1e-2", L"0.01 mm"},
      {L"1E2", L"100.0 mm"},  {L"1 2", L"12.0 mm"},     {L"１２．５", L"12.5 mm"}, {L"\t１２\x3000９", L"129.0 mm"},
      {L"", L"请输入数字"},   {L".", L"请输入数字"},    {L"+", L"请输入数字"},    {L"-", L"请输入数字"},
      {L"1e", L"请输入数字"}, {L"1e+", L"请输入数字"},  {L"2e+-1", L"请输入数字"}, {L"12a", L"请输入数字"},
      {L"1.x5", L"请输入数字"}, {L"+-1", L"请输入数字"}, {L"e5", L"请输入数字"},  {L"1x", L"请输入数字"},
      {L"-0", L"须大于 0"},    {L"-3", L"须大于 0"},   {L"1000000000.1", L"不能超过 1e9"}, {L"1e999", L"不能超过 1e9"}};
  const auto lined = [] {
    MeasureModel model;
    model.Press({0, 0}, {0, 0});
    model.Release({300, 400}, {300, 400}, 3);
    return model;
  };
  for (const auto& [typed, result] : rows) {
    MeasureModel model = lined();
    ASSERT_TRUE(model.Type(L'1'));
    const bool set = model.SetScale(typed);
    EXPECT_EQ(set ? model.CopyText() : model.BoxCaption(), set ? result : L"实际长度 (mm)  " + std::wstring(result))
        << typed;
  }
  MeasureModel model = lined();
  const std::pair<wchar_t, bool> keys[] = {{L'0', true},       {L'9', true},       {L'.', true},  {L'\xFF10', true},
                                           {L'\xFF19', true},  {L'\xFF0E', true},  {L'/', false}, {L':', false},
                                           {L'\xFF0F', false}, {L'\xFF1A', false}, {L'a', false}};
  for (const auto& [typed, opens] : keys) {
    EXPECT_EQ(model.Type(typed), opens) << int(typed);
    model.Escape();
  }
}
