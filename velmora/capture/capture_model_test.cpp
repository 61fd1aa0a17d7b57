#include <gtest/gtest.h>

#include <vector>

#include "velmora/capture/bmp_format.h"
#include "velmora/capture/capture_file_name.h"
#include "velmora/capture/save_report.h"
#include "velmora/capture/viewer_model.h"

using namespace capture;

TEST(CaptureFileName, BothLayoutsOfOneMoment) {
  const LocalTime t{2008, 11, 5, 14, 3, 7};
  EXPECT_EQ(CaptureFileName(t, TimeLayout::Separated), L"c:\\Kelvo抓屏20081105_140307.bmp");
  EXPECT_EQ(CaptureFileName(t, TimeLayout::Joined), L"c:\\Kelvo抓屏20081105140307.bmp");
}

TEST(CaptureFileName, EveryFieldIsZeroPaddedAndMidnightIsHourZero) {
  EXPECT_EQ(FormatCaptureTime({2024, 1, 2, 0, 0, 0}, TimeLayout::Separated), L"20240102_000000");
  EXPECT_EQ(FormatCaptureTime({2024, 12, 31, 23, 59, 59}, TimeLayout::Joined), L"20241231235959");
  EXPECT_EQ(FormatCaptureTime({987, 3, 4, 5, 6, 9}, TimeLayout::Joined), L"09870304050609");
}

TEST(CaptureFileName, SameFileNameInAnotherFolder) {
  const std::wstring name = L"c:\\Kelvo抓屏20081105_140307.bmp";
  EXPECT_EQ(FileLeaf(name), L"Kelvo抓屏20081105_140307.bmp");
  EXPECT_EQ(PathInFolder(L"C:\\users\\me\\Pictures", name), L"C:\\users\\me\\Pictures\\Kelvo抓屏20081105_140307.bmp");
  EXPECT_EQ(PathInFolder(L"D:\\", name), L"D:\\Kelvo抓屏20081105_140307.bmp");
  EXPECT_EQ(FileLeaf(L"plain.bmp"), L"plain.bmp");
}

TEST(BmpFormat, RowsArePaddedToFourBytesForOddWidths) {
  EXPECT_EQ(BmpRowBytes(1, 24), 4u);
  EXPECT_EQ(BmpRowBytes(3, 24), 12u);
  EXPECT_EQ(BmpRowBytes(5, 24), 16u);
  EXPECT_EQ(BmpRowBytes(4, 24), 12u);
  EXPECT_EQ(BmpRowBytes(1, 1), 4u);
  EXPECT_EQ(BmpRowBytes(33, 1), 8u);
  EXPECT_EQ(BmpRowBytes(3, 8), 4u);
  EXPECT_EQ(BmpRowBytes(5, 4), 4u);
  EXPECT_EQ(BmpRowBytes(1920, 32), 7680u);
  EXPECT_EQ(BmpRowBytes(0, 24), 0u);
}

TEST(BmpFormat, DeepScreensAreWrittenAt24BitsPaletteScreensAtTheirOwnDepth) {
  EXPECT_EQ(FileBitsPerPixel(32), 24);
  EXPECT_EQ(FileBitsPerPixel(16), 24);
  EXPECT_EQ(FileBitsPerPixel(24), 24);
  EXPECT_EQ(FileBitsPerPixel(8), 8);
  EXPECT_EQ(FileBitsPerPixel(4), 4);
  EXPECT_EQ(FileBitsPerPixel(1), 1);
}

TEST(BmpFormat, PlanOfAScreenAndOfAPaletteBitmap) {
  const auto screen = PlanBmp(1023, 767, 24);
  ASSERT_TRUE(screen);
  EXPECT_EQ(screen->rowBytes, 3072u);  // 3069 bytes of pixels, 3 of padding
  EXPECT_EQ(screen->pixelOffset, 54u);
  EXPECT_EQ(screen->imageBytes, 3072u * 767);
  EXPECT_EQ(screen->fileBytes, 54u + 3072u * 767);

  const auto palette = PlanBmp(7, 2, 8);
  ASSERT_TRUE(palette);
  EXPECT_EQ(palette->colorEntries, 256u);
  EXPECT_EQ(palette->pixelOffset, 54u + 1024);
  EXPECT_EQ(palette->fileBytes, 54u + 1024 + 8 * 2);
}

TEST(BmpFormat, EmptyPicturesGiveValidFilesAndImpossibleOnesNone) {
  const auto empty = PlanBmp(0, 0, 24);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->fileBytes, 54u);
  EXPECT_FALSE(PlanBmp(-1, 5, 24));
  EXPECT_FALSE(PlanBmp(5, -1, 24));
  EXPECT_FALSE(PlanBmp(5, 5, 7));
  EXPECT_FALSE(PlanBmp(100000, 100000, 32));  // past 4 GB
}

TEST(BmpFormat, HeadersReadBackAsWritten) {
  const auto plan = PlanBmp(5, 3, 24);
  ASSERT_TRUE(plan);
  std::vector<std::byte> file(plan->fileBytes);
  WriteBmpHeaders(*plan, file);
  const auto back = ReadBmpHeaders(file);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width, 5);
  EXPECT_EQ(back->height, 3);
  EXPECT_EQ(back->bitsPerPixel, 24);
  EXPECT_EQ(back->rowBytes, 16u);
  EXPECT_EQ(back->pixelOffset, 54u);
  EXPECT_EQ(back->fileBytes, file.size());
  EXPECT_EQ(std::to_integer<int>(file[0]), 'B');
  EXPECT_EQ(std::to_integer<int>(file[14]), 40);  // BITMAPINFOHEADER

  file[1] = std::byte{'X'};
  EXPECT_FALSE(ReadBmpHeaders(file));
  EXPECT_FALSE(ReadBmpHeaders(std::span<const std::byte>(file).first(20)));
}

namespace {
const ViewerMetrics kAt96 = ViewerMetrics::ForDpi(96);
}

TEST(ViewerGeometry, TwipDistancesFollowTheDpi) {
  EXPECT_EQ(kAt96.titleAllowance, 23);  // 350 twips
  EXPECT_EQ(kAt96.centreLift, 9);       // 130 twips
  EXPECT_EQ(ViewerMetrics::ForDpi(192).titleAllowance, 47);
  EXPECT_EQ(ViewerMetrics::ForDpi(144).centreLift, 13);
  EXPECT_EQ(PictureArea({456, 300}, kAt96).height, 277);
  EXPECT_EQ(PictureArea({456, 300}, kAt96).width, 456);
}

TEST(ViewerGeometry, PlacementLargerPictureAtTopLeftSmallerNearCentre) {
  EXPECT_EQ(PlacePicture({1920, 1080}, {456, 277}, kAt96), (Offset{0, 0}));
  EXPECT_EQ(PlacePicture({100, 50}, {456, 277}, kAt96), (Offset{178 - 9, 113 - 9}));
  // Each axis on its own: wide but short picture.
  EXPECT_EQ(PlacePicture({1000, 77}, {456, 277}, kAt96), (Offset{0, 91}));
  // Equal size counts as "not larger": centred, then lifted.
  EXPECT_EQ(PlacePicture({456, 277}, {456, 277}, kAt96), (Offset{-9, -9}));
}

TEST(ViewerGeometry, LargePictureNeverShowsAGapAtAnyEdge) {
  const Extent picture{1920, 1080}, area{456, 277};
  EXPECT_EQ(ClampPicture({50, 40}, picture, area), (Offset{0, 0}));
  EXPECT_EQ(ClampPicture({-5000, -5000}, picture, area), (Offset{456 - 1920, 277 - 1080}));
  EXPECT_EQ(ClampPicture({-100, -200}, picture, area), (Offset{-100, -200}));
  EXPECT_EQ(ClampPicture({30, -5000}, picture, area), (Offset{0, 277 - 1080}));
}

TEST(ViewerGeometry, SmallPictureIsPushedAgainstBottomAndRight) {
  const Extent picture{100, 50}, area{456, 277};
  EXPECT_EQ(ClampPicture({0, 0}, picture, area), (Offset{356, 227}));
  EXPECT_EQ(ClampPicture({-40, 500}, picture, area), (Offset{356, 227}));
  EXPECT_EQ(ClampPicture({400, 20}, picture, area), (Offset{356, 227}));
}

TEST(PanModel, LeftAndMiddleDragRightButtonDoesNot) {
  const Extent picture{1920, 1080}, area{456, 277};
  PanModel pan;
  EXPECT_FALSE(pan.Press(MouseButton::Right, {10, 10}));
  EXPECT_EQ(pan.Move({50, 50}, {0, 0}, picture, area), (Offset{0, 0}));

  EXPECT_TRUE(pan.Press(MouseButton::Left, {300, 200}));
  EXPECT_EQ(pan.Move({280, 170}, {0, 0}, picture, area), (Offset{-20, -30}));  // one to one
  EXPECT_EQ(pan.Move({400, 300}, {-20, -30}, picture, area), (Offset{0, 0}));  // past the top-left
  EXPECT_EQ(pan.Release({0, 0}, {-1400, -780}, picture, area), (Offset{456 - 1920, 277 - 1080}));
  EXPECT_FALSE(pan.Dragging());
  EXPECT_EQ(pan.Move({0, 0}, {-5, -5}, picture, area), (Offset{-5, -5}));

  EXPECT_TRUE(pan.Press(MouseButton::Middle, {5, 5}));
  EXPECT_TRUE(pan.Dragging());
}

TEST(ViewerSettings, FourValuesInTwipsInOrderNegativeLeftKept) {
  const auto values = ViewerSettings(-1000, 2400, 7080, 4620);
  EXPECT_EQ(values[0].name, L"MainLeft");
  EXPECT_EQ(values[0].text, L"-1000");
  EXPECT_EQ(values[1].name, L"MainTop");
  EXPECT_EQ(values[1].text, L"2400");
  EXPECT_EQ(values[2].name, L"MainWidth");
  EXPECT_EQ(values[3].name, L"MainHeight");
  EXPECT_EQ(values[3].text, L"4620");
}

TEST(SaveReport, SavedNamesThePathActuallyWritten) {
  SaveResult result;
  result.saved = true;
  result.path = L"C:\\users\\me\\Pictures\\Kelvo抓屏20081105_140307.bmp";
  result.attempts = {{L"c:\\Kelvo抓屏20081105_140307.bmp", 5}, {result.path, 0}};
  EXPECT_EQ(SaveMenuText(result), L"保存到: 《C:\\users\\me\\Pictures\\Kelvo抓屏20081105_140307.bmp》");
}

TEST(SaveReport, FailureSaysNotSavedAndWhyForEveryPlace) {
  SaveResult result;
  result.attempts = {{L"c:\\a.bmp", 5}, {L"P:\\a.bmp", 112}};
  EXPECT_EQ(SaveMenuText(result), L"抓屏未保存：无法写入《c:\\a.bmp》(没有写入权限)；无法写入《P:\\a.bmp》(磁盘空间不足)");
  EXPECT_EQ(WriteFailureReason(4242), L"错误代码 4242");
  EXPECT_EQ(SaveMenuText(SaveResult{}), L"抓屏未保存：没有可保存的图像");
}
