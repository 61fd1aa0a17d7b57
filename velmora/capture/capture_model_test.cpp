#include <gtest/gtest.h>

#include <vector>

#include "velmora/capture/bmp_format.h"
#include "velmora/capture/capture_file_name.h"
#include "velmora/capture/capture_room.h"
#include "velmora/capture/foreground_return.h"
#include "velmora/capture/save_report.h"
#include "velmora/capture/viewer_model.h"

using namespace capture;

// Rows name only the fields they set, as the Windows builds allow everywhere.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

TEST(CaptureFileName, LayoutsPaddingAndOtherFolders) {
  const std::tuple<LocalTime, TimeLayout, std::wstring> rows[] = {
      {{2008, 11, 5, 14, 3, 7}, TimeLayout::Separated, L"Kelvo抓屏20081105_140307.bmp"},
      {{2008, 11, 5, 14, 3, 7}, TimeLayout::Joined, L"Kelvo抓屏20081105140307.bmp"},
      {{2024, 1, 2, 0, 0, 0}, TimeLayout::Separated, L"Kelvo抓屏20240102_000000.bmp"},
      {{987, 3, 4, 5, 6, 9}, TimeLayout::Joined, L"Kelvo抓屏09870304050609.bmp"},
      {{2008, 11, 5, 14, 3, -7}, TimeLayout::Joined, L"Kelvo抓屏20081105140300.bmp"}};  // a bad field shows zeros
  for (const auto& [time, layout, leaf] : rows) {
    EXPECT_EQ(CaptureFileName(time, layout), L"c:\\" + leaf);
    EXPECT_EQ(PathInFolder(L"C:\\me\\Pictures", CaptureFileName(time, layout)), L"C:\\me\\Pictures\\" + leaf);
    EXPECT_EQ(PathInFolder(L"D:\\", leaf), L"D:\\" + leaf);
  }
}

TEST(BmpFormat, PlansOfEveryDepth) {
  const struct {
    std::int64_t width, height;
    int screenBits, fileBits;
    std::uint32_t rowBytes, pixelOffset;
  } rows[] = {{1023, 767, 32, 24, 3072, 54},  // 3 bytes of padding per row
              {1, 4, 32, 24, 4, 54},      {5, 3, 16, 24, 16, 54},     {4, 1, 24, 24, 12, 54},
              {7, 2, 8, 8, 8, 54 + 1024}, {5, 1, 4, 4, 4, 54 + 64},  {33, 2, 1, 1, 8, 54 + 8},
              {0, 0, 32, 24, 0, 54}};  // an empty picture still makes a file
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.width << "x" << row.height << " at " << row.screenBits);
    ASSERT_EQ(FileBitsPerPixel(row.screenBits), row.fileBits);
    const auto plan = PlanBmp(row.width, row.height, row.fileBits).value_or(BmpPlan{});
    EXPECT_EQ(std::tuple(plan.rowBytes, plan.pixelOffset, plan.fileBytes),
              std::tuple(row.rowBytes, row.pixelOffset, row.pixelOffset + row.rowBytes * row.height));
  }
  EXPECT_FALSE(PlanBmp(-1, 5, 24) || PlanBmp(5, 5, 7) || PlanBmp(100000, 100000, 32) || PlanBmp(1500000000, 1, 24));  // past 4 GB
  EXPECT_TRUE(PlanBmp(INT32_MAX, 1, 1) && !PlanBmp(INT32_MAX + 1LL, 1, 1) && !PlanBmp(1, INT32_MAX + 1LL, 1));  // int32
}

// The two headers field by field, little-endian, as the BMP format lays them out.
TEST(BmpFormat, HeadersFieldByField) {
  const struct { std::int64_t width, height; int bits; std::vector<std::uint32_t> fields; } rows[] = {
      // size, reserved, pixel offset, info size, width, height, planes, depth, BI_RGB, image, 96 DPI x2, colours x2
      {300, 300, 24, {270054, 0, 54, 40, 300, 300, 1, 24, 0, 270000, 3780, 3780, 0, 0}},
      {9, 2, 8, {1102, 0, 1078, 40, 9, 2, 1, 8, 0, 24, 3780, 3780, 256, 0}},
      {33, 2, 1, {78, 0, 62, 40, 33, 2, 1, 1, 0, 16, 3780, 3780, 2, 0}}};
  constexpr std::size_t kBytes[] = {4, 4, 4, 4, 4, 4, 2, 2, 4, 4, 4, 4, 4, 4};
  for (const auto& row : rows) {
    std::vector<std::byte> out(54, std::byte{0xAA});
    WriteBmpHeaders(PlanBmp(row.width, row.height, row.bits).value(), out);
    std::vector<std::uint32_t> fields;
    for (std::size_t at = 2, f = 0; f < std::size(kBytes); at += kBytes[f++]) {
      fields.push_back(0);
      for (std::size_t i = 0; i < kBytes[f]; ++i) fields.back() |= std::to_integer<std::uint32_t>(out[at + i]) << (8 * i);
    }
    EXPECT_EQ(std::pair(char(out[0]), char(out[1])), std::pair('B', 'M'));
    EXPECT_EQ(fields, row.fields) << row.bits;
  }
}

TEST(BmpFormat, PackingKeepsBlueGreenRedAndPadsEachRowWithZeros) {
  for (const std::uint32_t width : {1u, 2u, 3u, 4u, 5u, 7u}) {
    const std::uint32_t height = 3, rowBytes = BmpRowBytes(width, 24);
    std::vector<std::byte> pixels(std::size_t{4} * width * height), expected(std::size_t{rowBytes} * height);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      pixels[i] = std::byte(i % 4 == 3 ? 0xEE : i * 7 + 1);  // blue, green, red, unused
      if (i % 4 != 3) expected[i / 4 / width * rowBytes + i / 4 % width * 3 + i % 4] = pixels[i];
    }
    PackRows32To24(pixels, width, height);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), pixels.begin())) << width;
  }
  std::vector<std::byte> tooShort(24, std::byte{7});  // room for two packed rows of 4, not for the 32-bit ones
  PackRows32To24(tooShort, 4, 2);
  EXPECT_EQ(tooShort, std::vector<std::byte>(24, std::byte{7}));
}

// A 3840 x 2160 capture needs its 33 177 600-byte picture twice over and 64 MB besides free (133 464 064 bytes), and
// all pictures held within half the address space: a 32-bit process of 2 GB holds 32 such pictures, and not a 33rd.
TEST(CaptureRoom, APictureItsCopyAndTheReserveFitAndAllPicturesStayInHalfTheSpace) {
  constexpr std::uint64_t kMiB = 1 << 20, kFree = 133464064, kPicture = 33177600, k2GB = 2048 * kMiB;
  constexpr std::uint64_t kAll = ~std::uint64_t{0};
  const struct { AddressSpace space; std::int64_t width, height; bool fits; } rows[] = {
      {{k2GB, kFree, 0}, 3840, 2160, true}, {{k2GB, kFree - 1, 0}, 3840, 2160, false},
      {{k2GB, kFree - 1, 0}, 2160, 3840, false},
      {{k2GB, k2GB, 31 * kPicture}, 3840, 2160, true}, {{k2GB, k2GB, 32 * kPicture}, 3840, 2160, false},
      {{k2GB, k2GB, 1024 * kMiB - kPicture}, 3840, 2160, true},
      {{k2GB, k2GB, 1024 * kMiB - kPicture + 1}, 3840, 2160, false},
      {{k2GB, k2GB, k2GB}, 0, 2160, true}, {{k2GB, k2GB, k2GB}, 3840, 0, true},  // an empty picture takes nothing
      {{k2GB, 64 * kMiB, 0}, 0, 0, true}, {{k2GB, 64 * kMiB - 1, 0}, 0, 0, false},
      {{k2GB, 64 * kMiB + 7, 0}, 1, 1, false}, {{k2GB, 64 * kMiB + 8, 0}, 1, 1, true},
      {{k2GB, k2GB, k2GB}, 1, 1, false}, {{kAll, kAll, 0}, 65536, 65536, true},
      {{kAll, kAll, 0}, 2147483647, 2147483647, false}};  // would overflow 64 bits as a product
  for (const auto& row : rows) {
    EXPECT_EQ(RoomForCapture(row.space, row.width, row.height), row.fits)
        << row.space.totalBytes << " " << row.space.freeBytes << " " << row.space.heldBytes << " bytes for "
        << row.width << "x" << row.height;
  }
}

TEST(ViewerGeometry, PlacementClampsAndPanningAtTwoDpis) {
  const struct { unsigned dpi; Extent picture, outer; Offset placed, proposed, clamped; } rows[] = {
      {96, {1920, 1080}, {456, 300}, {0, 0}, {1, 40}, {0, 0}},  // larger: top-left at the area's
      {96, {1920, 1080}, {456, 300}, {0, 0}, {-5000, -5000}, {456 - 1920, 277 - 1080}},
      {96, {1920, 1080}, {456, 300}, {0, 0}, {-100, -200}, {-100, -200}},
      {96, {100, 50}, {456, 300}, {178 - 9, 113 - 9}, {-40, 500}, {356, 227}},  // smaller: pushed bottom-right
      {96, {1000, 77}, {456, 300}, {0, 91}, {30, -5000}, {0, 200}},             // each axis on its own
      {96, {456, 277}, {456, 300}, {-9, -9}, {0, 0}, {0, 0}},                   // equal is not larger
      {192, {100, 50}, {912, 600}, {406 - 17, 251 - 17}, {0, 0}, {812, 503}}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.picture.width << "x" << row.picture.height << " at " << row.dpi);
    const ViewerMetrics metrics = ViewerMetrics::ForDpi(row.dpi);
    const Extent area = PictureArea(row.outer, metrics);
    EXPECT_EQ(PlacePicture(row.picture, area, metrics), row.placed);
    EXPECT_EQ(ClampPicture(row.proposed, row.picture, area), row.clamped);
    PanModel pan;  // a drag carries the picture one to one, then clamps it
    EXPECT_FALSE(pan.Press(MouseButton::Right, {10, 10}));
    EXPECT_EQ(pan.Move({0, 0}, row.placed, row.picture, area), row.placed);
    EXPECT_TRUE(pan.Press(row.dpi == 96 ? MouseButton::Left : MouseButton::Middle, {300, 200}));
    const Offset by{row.proposed.x - row.placed.x, row.proposed.y - row.placed.y};
    EXPECT_EQ(pan.Release({300 + by.x, 200 + by.y}, row.placed, row.picture, area), row.clamped);
    EXPECT_FALSE(pan.Dragging());
  }
  // 350 and 130 twips, rounded to nearest, at 225 %, 250 % and 350 %.
  for (const auto& [dpi, allowance, lift] : {std::tuple(216u, 53, 20), {240u, 58, 22}, {336u, 82, 30}}) {
    const ViewerMetrics metrics = ViewerMetrics::ForDpi(dpi);
    EXPECT_EQ(std::pair(metrics.titleAllowance, metrics.centreLift), std::pair(allowance, lift)) << dpi;
  }
}

// A picker (5) closing, notepad (9) worked in; then the user went on to another window, or nothing is
// active; notepad closed, hidden or minimised; nothing was in front, or the picker was; none closes.
TEST(ForegroundReturn, TheWindowWorkedInTakesTheActivationBackOnlyFromTheActiveCaptureWindow) {
  const std::pair<ClosingWindow, std::uintptr_t> rows[] = {
      {{5, 5, 9, true}, 9},  {{5, 12, 9, true}, 0}, {{5, 0, 9, true}, 0}, {{5, 5, 9, false}, 0},
      {{5, 5, 0, true}, 0},  {{5, 5, 5, true}, 0},  {{0, 0, 9, true}, 0}};
  for (const auto& [closing, activated] : rows) EXPECT_EQ(WindowToActivate(closing), activated) << closing.foreground;
}

TEST(ViewerSettingsAndSaveReport, TheSettingsInTwipsAndWhereTheFileWentOrWhyItDidNot) {
  const auto values = ViewerSettings(-1000, 2400, 7080, 4620);
  EXPECT_EQ(std::tuple(values[0].name, values[0].text, values[1].text, values[2].text, values[3].name, values[3].text),
            std::tuple(L"MainLeft", L"-1000", L"2400", L"7080", L"MainHeight", L"4620"));
  const std::wstring pictures = L"C:\\users\\me\\Pictures\\Kelvo抓屏20081105_140307.bmp";
  const std::pair<SaveResult, std::wstring> rows[] = {
      {{true, pictures, {{L"c:\\Kelvo抓屏20081105_140307.bmp", 5}, {pictures, 0}}, {}}, L"保存到: 《" + pictures + L"》"},
      {{false, L"", {{L"c:\\a.bmp", 5}, {L"P:\\a.bmp", 112}}, {}},
       L"抓屏未保存：无法写入《c:\\a.bmp》(没有写入权限)；无法写入《P:\\a.bmp》(磁盘空间不足)"},
      {{false, L"", {{L"c:\\a.bmp", 4242}}, {}}, L"抓屏未保存：无法写入《c:\\a.bmp》(错误代码 4242)"},
      {{}, L"抓屏未保存：没有可保存的图像"}};
  for (const auto& [result, text] : rows) EXPECT_EQ(SaveMenuText(result), text);
}

// Zoom steps on one view, in order. A notch scales by 1.25 about the pointer,
// between "fits" (456/1920 here) and 8; at 1:1 the pan clamps rule.
TEST(ViewerZoom, AboutThePointerBetweenFitsAnd800PercentClampedOrCentred) {
  enum Act { Wheel, Notches, Toggle, Move, Refit };
  const Extent screen{1920, 1080}, small{100, 50}, area{456, 277};
  // The amount in wheel units (Notches: as many turns of one unit each); at: the pointer, or where a drag put the
  // corner.
  const struct { Extent picture; Act act; int amount; Offset at; PixelRect shown; double scale; } steps[] = {
      {screen, Wheel, 120, {100, 100}, {-25, -25, 2375, 1325}, 1.25},  // the point under the pointer stays
      {screen, Wheel, -120, {100, 100}, {0, 0, 1920, 1080}, 1},
      {screen, Notches, 120, {100, 100}, {-25, -25, 2375, 1325}, 1.25},  // the smallest parts make a notch
      {screen, Wheel, -120, {100, 100}, {0, 0, 1920, 1080}, 1},
      {screen, Wheel, 120, {100, 100}, {-25, -25, 2375, 1325}, 1.25},
      {screen, Move, 0, {-5000, 40}, {-1944, 0, 456, 1350}, 1.25},     // dragged: clamped at every zoom
      {screen, Toggle, 0, {0, 0}, {-1464, 0, 456, 1080}, 1},
      {screen, Wheel, -120, {456, 277}, {-1080, 0, 456, 864}, 0.8},  // the top clamped, not kept under the pointer
      {screen, Wheel, -2400, {9, 9}, {0, 10, 456, 267}, 0.2375},  // fits, centred across
      {screen, Wheel, -120, {9, 9}, {0, 10, 456, 267}, 0.2375},   // no further
      {screen, Move, 0, {-50, -30}, {0, 10, 456, 267}, 0.2375},
      {screen, Toggle, 0, {228, 138}, {-732, -400, 1188, 680}, 1},
      {screen, Toggle, 0, {5, 5}, {0, 10, 456, 267}, 0.2375},     // at 1:1, to fits
      {screen, Wheel, 120 * 30, {0, 0}, {0, 0, 15360, 8640}, 8},  // 800 % at most
      {small, Wheel, -120, {9, 9}, {169, 104, 269, 154}, 1},      // a small picture fits at 1:1 already
      {small, Wheel, 120, {200, 120}, {166, 107, 291, 170}, 1.25},
      {small, Refit, 0, {600, 400}, {238, 169, 363, 231}, 1.25},  // the area grew: centred again
      {small, Refit, 0, {456, 277}, {166, 107, 291, 170}, 1.25},
      {small, Wheel, -120, {200, 120}, {356, 227, 456, 277}, 1}};  // at 1:1 pushed to the bottom right
  ZoomView view;
  Extent last;
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "step " << (&step - steps));
    if (step.picture.width != last.width) view.Reset(PlacePicture(step.picture, area, ViewerMetrics::ForDpi(96)));
    last = step.picture;
    const PixelRect before = view.Shown(step.picture);
    if (step.act == Wheel) {
      EXPECT_EQ(view.Wheel(step.amount, step.at, step.picture, area, area), !(before == step.shown));
    }
    if (step.act == Notches)
      for (int i = 0; i < step.amount; ++i) view.Wheel(1, step.at, step.picture, area, area);
    if (step.act == Toggle) view.Toggle(step.at, step.picture, area, area);
    if (step.act == Move) view.MoveTo(step.at, step.picture, area, area);
    if (step.act == Refit) view.Refit(step.picture, {step.at.x, step.at.y});
    EXPECT_EQ(view.Shown(step.picture), step.shown);
    EXPECT_NEAR(view.Scale(), step.scale, 1e-12);
    EXPECT_EQ(view.OneToOne(), step.scale == 1);
  }
  view.Reset({-100, -200});  // a resize leaves a picture at 1:1 where it is
  view.Refit(screen, {900, 600});
  EXPECT_EQ(view.Shown(screen), (PixelRect{-100, -200, 1820, 880}));
}

// The picture pixels drawn and where, for the part of the area covered.
TEST(ViewerZoom, VisibleSliceAtOneToOneZoomedInAndAtFits) {
  const Extent picture{1920, 1080}, area{456, 277};
  ZoomView view;
  view.Reset({-100, -200});
  const auto slice = [&] { return std::pair(view.Visible(picture, area).source, view.Visible(picture, area).target); };
  EXPECT_EQ(slice(), std::pair(PixelRect{100, 200, 556, 477}, PixelRect{0, 0, 456, 277}));
  EXPECT_EQ(view.Covered(picture, area), (PixelRect{0, 0, 456, 277}));
  view.Reset({0, 0});
  view.Wheel(120, {100, 100}, picture, area, area);  // the last pixels cut by the edges
  EXPECT_EQ(slice(), std::pair(PixelRect{20, 20, 385, 242}, PixelRect{0, 0, 456, 278}));
  view.Toggle({0, 0}, picture, area, area);
  view.Toggle({0, 0}, picture, area, area);  // fits: the whole picture onto its shown place
  EXPECT_EQ(slice(), std::pair(PixelRect{0, 0, 1920, 1080}, PixelRect{0, 10, 456, 267}));
  EXPECT_EQ(view.Covered(picture, area), (PixelRect{0, 10, 456, 267}));
  view.Reset({0, 0});  // a square picture fits by its height
  view.Toggle({0, 0}, {1000, 1000}, area, area);
  EXPECT_EQ(view.Shown({1000, 1000}), (PixelRect{90, 0, 367, 277}));
  for (const auto& [size, room] : {std::pair(Extent{0, 1080}, area), {{1920, 0}, area}, {picture, {0, 277}},
                                   {picture, {456, 0}}}) {
    EXPECT_FALSE(view.Wheel(120, {0, 0}, size, area, room));  // nothing to zoom, or no room
  }
  EXPECT_TRUE(view.Wheel(120, {0, 0}, {1, 1}, {1, 1}, {1, 1}));
  view.Reset({0, 0});  // the zoom's rules use the part of the area the window shows
  view.Toggle({0, 0}, picture, area, {440, 260});
  EXPECT_EQ(view.Shown(picture), (PixelRect{0, 6, 440, 254}));
  view.Toggle({439, 259}, picture, area, {440, 260});  // 1:1 keeps to the whole area's clamps
  EXPECT_EQ(view.Shown(picture), (PixelRect{-1464, -803, 456, 277}));
}
