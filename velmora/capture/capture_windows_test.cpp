#include <gtest/gtest.h>

#include "velmora/capture/bmp_format.h"
#include "velmora/capture/capture_picture.h"
#include "velmora/capture/capture_save.h"
#include "velmora/capture/capture_test_support.h"

using namespace capture;
using namespace capture_test;

namespace {

// A file name no other test and no real capture uses.
std::wstring TestFileName(const wchar_t* tag) {
  return std::wstring(L"c:\\Kelvo抓屏test_") + tag + L"_" + std::to_wstring(GetCurrentProcessId()) + L".bmp";
}

}  // namespace

TEST(CaptureRoutines, ScreenIsCapturedWholeAtPhysicalSizeAndMatchesAnIndependentCopy) {
  PumpMessages();
  const Picture picture = CaptureScreen();
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  ASSERT_EQ(picture.Width(), width);
  ASSERT_EQ(picture.Height(), height);
  const auto expected = ScreenPixels(0, 0, width, height);
  EXPECT_TRUE(PixelsOf(picture.Bitmap(), width, height) == expected);

  HDC screen = GetDC(nullptr);
  const bool palette = (GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) && GetDeviceCaps(screen, SIZEPALETTE) == 256;
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(picture.Palette() != nullptr, palette);
}

TEST(CaptureRoutines, ClientAreaOrWholeWindowFromTheGivenCorner) {
  const SolidWindow window(RGB(200, 30, 40), 120, 140, 200, 150);
  POINT client{0, 0};
  ClientToScreen(window.Handle(), &client);
  RECT outer;
  GetWindowRect(window.Handle(), &outer);
  const int inX = client.x - outer.left, inY = client.y - outer.top;
  ASSERT_GT(inY, 0);  // the caption lies above the client area

  const Picture clientPicture = CaptureWindow(window.Handle(), true, 3, 5, 31, 17);
  ASSERT_EQ(clientPicture.Width(), 31);
  for (const auto p : PixelsOf(clientPicture.Bitmap(), 31, 17)) ASSERT_EQ(p, 0xC81E28u);

  const Picture whole = CaptureWindow(window.Handle(), false, 0, 0, outer.right - outer.left, outer.bottom - outer.top);
  const auto pixels = PixelsOf(whole.Bitmap(), whole.Width(), whole.Height());
  EXPECT_NE(pixels[0], 0xC81E28u);  // the frame
  EXPECT_EQ(pixels[static_cast<std::size_t>(inY + 2) * whole.Width() + inX + 2], 0xC81E28u);
  EXPECT_TRUE(pixels == ScreenPixels(outer.left, outer.top, whole.Width(), whole.Height()));
}

TEST(CaptureRoutines, ActiveWindowIncludesItsFrameAndTitleBar) {
  const SolidWindow window(RGB(10, 220, 90), 300, 200, 177, 95);
  SetForegroundWindow(window.Handle());
  PumpMessages();
  ASSERT_EQ(GetForegroundWindow(), window.Handle());
  RECT outer;
  GetWindowRect(window.Handle(), &outer);
  const Picture picture = CaptureActiveWindow();
  ASSERT_EQ(picture.Width(), outer.right - outer.left);
  ASSERT_EQ(picture.Height(), outer.bottom - outer.top);
  EXPECT_TRUE(PixelsOf(picture.Bitmap(), picture.Width(), picture.Height()) ==
              ScreenPixels(outer.left, outer.top, picture.Width(), picture.Height()));
}

TEST(CaptureRoutines, EmptyRectangleGivesAPictureThatStillSaves) {
  const Picture empty = CaptureWindow(GetDesktopWindow(), false, 10, 10, 0, 0);
  const std::wstring path = TestFileName(L"empty");
  EXPECT_EQ(WriteBmpFile(empty, path), 0u);
  EXPECT_TRUE(ReadBmpHeaders(ReadWholeFile(path)));
  DeleteFileW(path.c_str());
  EXPECT_NE(WriteBmpFile(Picture(), path), 0u);  // no bitmap at all: an error, not a crash
  EXPECT_FALSE(FileExists(path));
}

TEST(BmpFile, OddWidthsReadBackPixelForPixelWithZeroPadding) {
  for (const int width : {1, 2, 3, 5, 7, 33}) {
    for (const int height : {1, 4}) {
      const Picture picture = CreateBitmapPicture(PatternBitmap(width, height), nullptr);
      const std::wstring path = TestFileName(L"odd");
      ASSERT_EQ(WriteBmpFile(picture, path), 0u);
      const auto file = ReadWholeFile(path);
      DeleteFileW(path.c_str());
      const auto plan = ReadBmpHeaders(file);
      ASSERT_TRUE(plan) << width;
      EXPECT_EQ(plan->width, width);
      EXPECT_EQ(plan->height, height);
      EXPECT_EQ(plan->bitsPerPixel, 24);
      ASSERT_EQ(plan->fileBytes, file.size());
      ASSERT_EQ(file.size(), plan->pixelOffset + plan->rowBytes * height);
      for (int y = 0; y < height; ++y) {
        const std::size_t row = plan->pixelOffset + static_cast<std::size_t>(height - 1 - y) * plan->rowBytes;
        for (int x = 0; x < width; ++x) {
          const COLORREF c = PatternColor(x, y);
          const std::size_t at = row + static_cast<std::size_t>(x) * 3;
          ASSERT_EQ(std::to_integer<int>(file[at]), GetBValue(c)) << width << " " << x << "," << y;
          ASSERT_EQ(std::to_integer<int>(file[at + 1]), GetGValue(c));
          ASSERT_EQ(std::to_integer<int>(file[at + 2]), GetRValue(c));
        }
        for (std::size_t pad = row + width * 3u; pad < row + plan->rowBytes; ++pad) {
          ASSERT_EQ(std::to_integer<int>(file[pad]), 0) << "padding of row " << y;
        }
      }
    }
  }
}

TEST(BmpFile, PaletteDepthsKeepTheirDepthWithAColourTable) {
  // 9 x 2 pixels, one bit each: rows of two bytes, padded to four in the file.
  const BYTE rows[] = {0xAA, 0x80, 0x0F, 0x00};
  const Picture picture = CreateBitmapPicture(CreateBitmap(9, 2, 1, 1, rows), nullptr);
  const std::wstring path = TestFileName(L"mono");
  ASSERT_EQ(WriteBmpFile(picture, path), 0u);
  const auto file = ReadWholeFile(path);
  DeleteFileW(path.c_str());
  const auto plan = ReadBmpHeaders(file);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->bitsPerPixel, 1);
  EXPECT_EQ(plan->colorEntries, 2u);
  ASSERT_EQ(plan->pixelOffset, 54u + 8);
  ASSERT_EQ(file.size(), 54u + 8 + 2 * 4);
  // Black then white in the colour table; rows bottom-up.
  EXPECT_EQ(std::to_integer<int>(file[54]), 0);
  EXPECT_EQ(std::to_integer<int>(file[58]), 0xFF);
  EXPECT_EQ(std::to_integer<int>(file[62]), 0x0F);
  EXPECT_EQ(std::to_integer<int>(file[66]), 0xAA);
  EXPECT_EQ(std::to_integer<int>(file[67]), 0x80);
}

TEST(BmpFile, OverwritesAnExistingFileOfTheSameName) {
  const std::wstring path = TestFileName(L"again");
  ASSERT_EQ(WriteBmpFile(CreateBitmapPicture(PatternBitmap(40, 30), nullptr), path), 0u);
  ASSERT_EQ(WriteBmpFile(CreateBitmapPicture(PatternBitmap(3, 2), nullptr), path), 0u);
  const auto plan = ReadBmpHeaders(ReadWholeFile(path));
  DeleteFileW(path.c_str());
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->width, 3);
  EXPECT_EQ(plan->fileBytes, 54u + 2 * 12);
}

class SaveCaptureTest : public ::testing::Test {
 protected:
  void TearDown() override {
    RemoveDirectoryW(name_.c_str());
    DeleteFileW(name_.c_str());
    const std::wstring fallback = PathInFolder(PicturesFolder(), name_);
    RemoveDirectoryW(fallback.c_str());
    DeleteFileW(fallback.c_str());
  }
  const std::wstring name_ = TestFileName(L"save");
  const Picture picture_ = CreateBitmapPicture(PatternBitmap(9, 4), nullptr);
};

TEST_F(SaveCaptureTest, TheNamedFileFirst) {
  const SaveResult result = SaveCapture(picture_, name_);
  EXPECT_TRUE(result.saved);
  EXPECT_EQ(result.path, name_);
  EXPECT_EQ(SaveMenuText(result), L"保存到: 《" + name_ + L"》");
  EXPECT_TRUE(FileExists(name_));
}

TEST_F(SaveCaptureTest, PicturesFolderWhenTheRootCannotBeWritten) {
  // A folder of exactly the file's name makes the first write fail.
  ASSERT_TRUE(CreateDirectoryW(name_.c_str(), nullptr));
  const std::wstring fallback = PathInFolder(PicturesFolder(), name_);
  ASSERT_FALSE(PicturesFolder().empty());
  const SaveResult result = SaveCapture(picture_, name_);
  ASSERT_TRUE(result.saved);
  EXPECT_EQ(result.path, fallback);
  ASSERT_EQ(result.attempts.size(), 2u);
  EXPECT_NE(result.attempts[0].error, 0u);
  EXPECT_EQ(SaveMenuText(result), L"保存到: 《" + fallback + L"》");
  const auto plan = ReadBmpHeaders(ReadWholeFile(fallback));
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->width, 9);
}

TEST_F(SaveCaptureTest, NotReportedAsSavedWhenNoWriteSucceeds) {
  const std::wstring fallback = PathInFolder(PicturesFolder(), name_);
  ASSERT_TRUE(CreateDirectoryW(name_.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(fallback.c_str(), nullptr));
  const SaveResult result = SaveCapture(picture_, name_);
  EXPECT_FALSE(result.saved);
  const std::wstring text = SaveMenuText(result);
  EXPECT_EQ(text.rfind(L"抓屏未保存：", 0), 0u) << text.size();
  EXPECT_NE(text.find(name_), std::wstring::npos);
  EXPECT_NE(text.find(fallback), std::wstring::npos);
  EXPECT_EQ(text.find(L"保存到"), std::wstring::npos);
}

TEST(Clipboard, PictureGoesOnAsABitmapAndStaysOurs) {
  const SolidWindow owner(RGB(1, 2, 3), 50, 50, 80, 60);
  const Picture picture = CreateBitmapPicture(PatternBitmap(21, 13), nullptr);
  ASSERT_TRUE(CopyPictureToClipboard(owner.Handle(), picture));
  ASSERT_TRUE(OpenClipboard(owner.Handle()));
  const auto onClipboard = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  BITMAP info{};
  const bool read = onClipboard && GetObjectW(onClipboard, sizeof info, &info);
  const auto pixels = read ? PixelsOf(onClipboard, 21, 13) : std::vector<std::uint32_t>{};
  CloseClipboard();
  ASSERT_TRUE(read);
  EXPECT_EQ(info.bmWidth, 21);
  EXPECT_EQ(info.bmHeight, 13);
  EXPECT_TRUE(pixels == PixelsOf(picture.Bitmap(), 21, 13));
  EXPECT_NE(onClipboard, picture.Bitmap());
}
