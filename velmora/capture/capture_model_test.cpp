#include <gtest/gtest.h>

#include <vector>

#include "velmora/capture/bmp_format.h"
#include "velmora/capture/capture_file_name.h"
#include "velmora/capture/save_report.h"
#include "velmora/capture/viewer_model.h"

using namespace capture;

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

TEST(ViewerGeometry, PlacementClampsAndPanningAtTwoDpis) {
  const struct {
    unsigned dpi;
    Extent picture, outer;
    Offset placed, proposed, clamped;
  } rows[] = {
      {96, {1920, 1080}, {456, 300}, {0, 0}, {50, 40}, {0, 0}},  // larger: top-left at the area's
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
}

TEST(ViewerSettingsAndSaveReport, TheSettingsInTwipsAndWhereTheFileWentOrWhyItDidNot) {
  const auto values = ViewerSettings(-1000, 2400, 7080, 4620);
  EXPECT_EQ(std::tuple(values[0].name, values[0].text, values[1].text, values[2].text, values[3].name, values[3].text),
            std::tuple(L"MainLeft", L"-1000", L"2400", L"7080", L"MainHeight", L"4620"));
  const std::wstring pictures = L"C:\\users\\me\\Pictures\\Kelvo抓屏20081105_140307.bmp";
  const std::pair<SaveResult, std::wstring> rows[] = {
      {{true, pictures, {{L"c:\\Kelvo抓屏20081105_140307.bmp", 5}, {pictures, 0}}}, L"保存到: 《" + pictures + L"》"},
      {{false, L"", {{L"c:\\a.bmp", 5}, {L"P:\\a.bmp", 112}}},
       L"抓屏未保存：无法写入《c:\\a.bmp》(没有写入权限)；无法写入《P:\\a.bmp》(磁盘空间不足)"},
      {{false, L"", {{L"c:\\a.bmp", 4242}}}, L"抓屏未保存：无法写入《c:\\a.bmp》(错误代码 4242)"},
      {{}, L"抓屏未保存：没有可保存的图像"}};
  for (const auto& [result, text] : rows) EXPECT_EQ(SaveMenuText(result), text);
}
