#include <gtest/gtest.h>

#include <dwmapi.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "tests/support/capture_test_support.h"
#include "ui/controls.h"
#include "ui/system.h"
#include "velmora/capture/bmp_file.h"
#include "velmora/capture/capture_save.h"
#include "velmora/capture/full_screen_capture.h"

using namespace capture;
using namespace capture_test;

namespace {

// A file name no other test and no real capture uses.
const std::wstring kTestFile = L"c:\\Kelvo抓屏test_" + std::to_wstring(GetCurrentProcessId()) + L".bmp";

// The file as the system itself lays it out: headers, then GetDIBits at
// the file's depth (colour table included).
std::vector<char> ReferenceFile(HBITMAP bitmap) {
  BITMAP bm{};
  GetObjectW(bitmap, sizeof bm, &bm);
  const WORD bits = bm.bmBitsPixel <= 8 ? bm.bmBitsPixel : 24;
  const DWORD colors = bits <= 8 ? 1u << bits : 0, rowBytes = (bm.bmWidth * bits + 31) / 32 * 4;
  const DWORD offset = 54 + colors * 4, size = offset + rowBytes * bm.bmHeight;
  std::vector<char> file(size);
  auto* info = reinterpret_cast<BITMAPINFO*>(file.data() + 14);
  info->bmiHeader = {sizeof(BITMAPINFOHEADER), bm.bmWidth, bm.bmHeight, 1, bits, BI_RGB};
  const ui::WindowDc screen(nullptr);
  GetDIBits(screen.get(), bitmap, 0, bm.bmHeight, file.data() + offset, info, DIB_RGB_COLORS);
  info->bmiHeader = {sizeof(BITMAPINFOHEADER), bm.bmWidth, bm.bmHeight, 1, bits, BI_RGB, rowBytes * bm.bmHeight,
                     3780, 3780, colors, 0};
  *reinterpret_cast<BITMAPFILEHEADER*>(file.data()) = {0x4D42, size, 0, 0, offset};
  return file;
}

void Mouse(const ViewerWindow& viewer, UINT message, int x, int y) {
  SendMessageW(viewer.ImageControl(), message, 0, MAKELPARAM(x, y));
}

void CloseViewer(ViewerWindow* viewer) {
  SendMessageW(viewer->Handle(), WM_CLOSE, 0, 0);
  PumpMessages();
}

// A timer procedure is CALLBACK (stdcall in a 32-bit build), which a lambda is not.
void CALLBACK EndTheMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

// The popup menu is dismissed from inside its own loop, as Esc would.
void RightClick(const ViewerWindow& viewer) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, EndTheMenu);
  Mouse(viewer, WM_RBUTTONDOWN, 20, 20);  // returns once the menu has closed
  KillTimer(nullptr, timer);
}

// A picture of 100-pixel blocks, each its own colour.
constexpr int kBlocksWide = 12, kBlocksHigh = 9;
std::uint32_t BlockColor(int x, int y) { return (x / 100 * 20 + 15) << 16 | (y / 100 * 25 + 15) << 8 | 200; }
SharedPicture BlockPicture() {
  const ui::WindowDc screen(nullptr);
  const ui::MemoryDc memory(CreateCompatibleDC(screen.get()));
  HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), kBlocksWide * 100, kBlocksHigh * 100);
  const ui::SelectionGuard selected(memory.get(), bitmap);
  for (int i = 0; i < kBlocksWide * kBlocksHigh; ++i) {
    const int x = i % kBlocksWide * 100, y = i / kBlocksWide * 100;
    const std::uint32_t c = BlockColor(x, y);
    const ui::Brush brush(CreateSolidBrush(RGB(c >> 16, c >> 8 & 0xFF, c & 0xFF)));
    const RECT block{x, y, x + 100, y + 100};
    FillRect(memory.get(), &block, brush.get());
  }
  return std::make_shared<const Picture>(CreateBitmapPicture(bitmap, nullptr));
}

}  // namespace

TEST(CaptureRoutines, ScreenWholeAtPhysicalSizeClientAreaOrWholeWindowFromTheGivenCorner) {
  const TestWindow window(RGB(200, 30, 40), {120, 140, 320, 290});
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const auto settled = SettledScreenPixels(0, 0, width, height);
  const Picture screen = CaptureScreen();
  ASSERT_EQ(Size(screen.Width(), screen.Height()), Size(width, height));
  EXPECT_TRUE(PixelsOf(screen.Bitmap(), width, height) == settled);
  EXPECT_EQ(screen.Palette() != nullptr, GetDeviceCaps(ui::WindowDc(nullptr).get(), SIZEPALETTE) == 256);
  ScreenReading reading;  // the same read on a thread of its own, handed over once
  const Picture apart = reading.Take();
  EXPECT_TRUE(PixelsOf(apart.Bitmap(), apart.Width(), apart.Height()) == settled);
  EXPECT_FALSE(reading.Take());

  const Picture client = CaptureWindow(window.Handle(), true, 3, 5, 31, 17);
  EXPECT_TRUE(PixelsOf(client.Bitmap(), 31, 17) == std::vector<std::uint32_t>(31 * 17, 0xC81E28u));
  RECT outer;
  GetWindowRect(window.Handle(), &outer);
  const Picture whole = CaptureWindow(window.Handle(), false, 0, 0, outer.right - outer.left, outer.bottom - outer.top);
  EXPECT_TRUE(PixelsOf(whole.Bitmap(), whole.Width(), whole.Height()) ==  // the frame included
              ScreenPixels(outer.left, outer.top, whole.Width(), whole.Height()));
}

// What the room for one more capture is reckoned from: the pixels of the
// pictures alive, a moved picture counted once, a freed one no more.
TEST(CaptureRoutines, ThePicturesAliveAreCountedByTheirPixelBytes) {
  const std::uint64_t before = Picture::HeldBytes();
  Picture first = CaptureWindow(GetDesktopWindow(), false, 0, 0, 101, 50);
  const std::uint64_t bytes = Picture::HeldBytes() - before;
  EXPECT_GE(bytes, 101u * 3 * 50);
  Picture second = std::move(first);
  first = CaptureWindow(GetDesktopWindow(), false, 0, 0, 101, 50);
  second = std::move(first);
  EXPECT_EQ(Picture::HeldBytes(), before + bytes);
  second = Picture();
  EXPECT_EQ(Picture::HeldBytes(), before);
}

// Under Wine there is no compositor: its bounds are the window rectangle.
// A window of this program over it is in neither the window's own picture
// nor a read of the screen (Wine has no exclusion from capture: the cover
// is hidden for the read) and stands there again after; with nothing to
// take there is no picture at all.
TEST(CaptureRoutines, ActiveWindowIsTheComposedScreenInsideTheCompositorsBoundsOrItsOwnPicture) {
  const TestWindow window(RGB(10, 220, 90), {300, 200, 477, 295});  // now the foreground window
  RECT bounds{};
  const HRESULT composed = DwmGetWindowAttribute(window.Handle(), DWMWA_EXTENDED_FRAME_BOUNDS, &bounds, sizeof bounds);
  if (FAILED(composed)) GetWindowRect(window.Handle(), &bounds);
  const Picture shot = CaptureActiveWindow();
  ASSERT_EQ(Size(shot.Width(), shot.Height()), Size(bounds.right - bounds.left, bounds.bottom - bounds.top));
  const auto pixels = PixelsOf(shot.Bitmap(), shot.Width(), shot.Height());
  EXPECT_EQ(pixels[shot.Height() / 2 * shot.Width() + shot.Width() / 2], 0x0ADC5Au);  // the middle of the client area
  EXPECT_TRUE(pixels == ScreenPixels(bounds.left, bounds.top, shot.Width(), shot.Height()));

  const TestWindow cover(RGB(250, 20, 20), {380, 240, 440, 290}, WS_POPUP);  // over the window's middle, as a viewer
  SetWindowPos(cover.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (const bool own : {true, false}) {
    const Picture taken = CaptureWholeWindow(window.Handle(), own);
    const auto seen = PixelsOf(taken.Bitmap(), taken.Width(), taken.Height());
    ASSERT_EQ(seen.size(), pixels.size());
    EXPECT_EQ(seen[(265 - bounds.top) * taken.Width() + 410 - bounds.left], 0x0ADC5Au) << own;
    EXPECT_TRUE(IsWindowVisible(cover.Handle()));
  }
  ShowWindow(window.Handle(), SW_MINIMIZE);
  EXPECT_FALSE(CaptureWholeWindow(window.Handle(), true));  // its caption stub is nothing to take
  ShowWindow(window.Handle(), SW_HIDE);
  SetWindowPos(window.Handle(), nullptr, -30000, -30000, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_FALSE(CaptureWholeWindow(window.Handle(), false));  // on no monitor
}

TEST(BmpFile, ByteForByteWhatTheSystemLaysOutAtEveryDepth) {
  const struct {
    int bits, width, height;
  } rows[] = {{32, 41, 30}, {32, 1, 1}, {32, 3, 2}, {32, 5, 4}, {32, 33, 3},
              {32, 40001, 9},  // rows so wide that they go out in two bands
              {24, 5, 3},   {16, 7, 2}, {8, 9, 2},  {4, 5, 2},  {1, 9, 2}};
  const std::wstring& path = kTestFile;  // each row overwrites the last
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.bits << " bits, " << row.width << "x" << row.height);
    std::vector<BYTE> data(static_cast<std::size_t>(row.width * row.bits + 15) / 16 * 2 * row.height);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<BYTE>(i * 37 + 11);
    const Picture picture = CreateBitmapPicture(CreateBitmap(row.width, row.height, 1, row.bits, data.data()), nullptr);
    ASSERT_EQ(WriteBmpFile(picture, path), 0u);
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    EXPECT_TRUE(std::vector<char>(std::istreambuf_iterator<char>(file), {}) == ReferenceFile(picture.Bitmap()));
  }
  EXPECT_EQ(WriteBmpFile(CaptureWindow(GetDesktopWindow(), false, 10, 10, 0, 0), path), 0u);  // still a file
  EXPECT_EQ(BmpFileSizeThenDelete(path), Size(1, 1));  // the system's picture of no size
  // No bitmap at all: an error, not a crash, and no file.
  EXPECT_TRUE(WriteBmpFile(Picture(), path) != 0 && GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES);
}

// A folder of exactly the file's name makes a write there fail, as a
// standard account's root of C: or a protected Pictures folder does.
TEST(SaveCapture, TheRootOfCThenPicturesThenTheLocalApplicationDataThenNotSaved) {
  PWSTR local = nullptr;
  ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local)));
  const std::wstring& name = kTestFile;
  // Each row refuses one place more; the third place exists from the row before on.
  const std::wstring places[] = {name, PathInFolder(PicturesFolder(), name),
                                 PathInFolder(std::wstring(local) + L"\\Velmora\\抓屏", name)};
  CoTaskMemFree(local);
  for (int refused = 0; refused <= 3; ++refused) {
    for (int i = 0; i < refused; ++i) CreateDirectoryW(places[i].c_str(), nullptr);
    SavePlaces session;
    const SaveResult result = SaveCapture(CreateBitmapPicture(PatternBitmap(9, 4), nullptr), name, session);
    for (int i = 0; i < refused; ++i) RemoveDirectoryW(places[i].c_str());  // every place takes files again
    const SaveResult next = SaveCapture(CreateBitmapPicture(PatternBitmap(9, 4), nullptr), name, session);
    EXPECT_TRUE(next.attempts.size() == 1 && next.path == places[refused % 3]) << "the last place is tried first, and alone";
    EXPECT_EQ(Size(result.saved, result.attempts.size()), Size(refused < 3, std::min(refused + 1, 3))) << refused;
    EXPECT_EQ(result.path, refused < 3 ? places[refused] : L"");
    EXPECT_EQ(BmpFileSizeThenDelete(result.path), refused < 3 ? Size(9, 4) : Size(0, 0));
    for (const auto& path : places) RemoveDirectoryW(path.c_str()), DeleteFileW(path.c_str());
  }
}

TEST(Viewer, ShowsOneReadOfTheScreenWithoutItselfTopMostBeyondTheLeftEdgeAndPansByDragging) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const auto before = SettledScreenPixels(0, 0, width, height);
  ViewerWindow* viewer = RunFullScreenCapture();
  EXPECT_TRUE(PixelsOf(viewer->Image().Bitmap(), width, height) == before);
  EXPECT_TRUE(IsWindowVisible(viewer->Handle()) && GetWindowLongPtrW(viewer->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(ui::GetText(viewer->Handle()).rfind(L"抓屏程序 ", 0), 0u);  // + the time
  RECT outer;
  GetWindowRect(viewer->Handle(), &outer);
  EXPECT_EQ(outer.left, -ui::TwipsToPixels(1000, viewer->Dpi()));
  Mouse(*viewer, WM_LBUTTONDOWN, 300, 200);
  Mouse(*viewer, WM_MOUSEMOVE, 250, 170);
  Mouse(*viewer, WM_LBUTTONUP, 250, 170);  // Image1 lies over the area: the picture moved under it
  SetWindowPos(viewer->Handle(), nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(viewer->ImagePosition().x, -50);  // and resizing never re-centres it

  // The first viewer is on screen now, so the second one shows it.
  ASSERT_TRUE(WaitFor([&] { return ScreenPixels(0, 0, width, height) != before; }));
  const auto after = SettledScreenPixels(0, 0, width, height);
  ViewerWindow* second = RunFullScreenCapture();
  EXPECT_TRUE(PixelsOf(second->Image().Bitmap(), width, height) == after);
  EXPECT_EQ(OpenViewerCount(), 2u);
  CloseViewer(second);
  CloseViewer(viewer);
  EXPECT_EQ(OpenViewerCount(), 0u);
}

TEST(Viewer, RightButtonSavesAndOnlyAViewerTheUserClosesUnminimisedRemembersItsPlaceInTwips) {
  const wchar_t* const names[] = {L"MainLeft", L"MainTop", L"MainWidth", L"MainHeight"};
  const int pixels[] = {100, 120, 500, 300};
  enum class Goes { Closed, ClosedMinimised, DestroyedAtTheEnd };
  for (const Goes goes : {Goes::Closed, Goes::ClosedMinimised, Goes::DestroyedAtTheEnd}) {
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Velmora\\Settings");
    ViewerWindow* viewer = RunFullScreenCapture();
    RightClick(*viewer);
    EXPECT_EQ(viewer->SaveMenuCaption(), L"保存到: 《" + viewer->SaveName() + L"》");
    EXPECT_EQ(BmpFileSizeThenDelete(viewer->SaveName()), Size(viewer->Image().Width(), viewer->Image().Height()));
    SetWindowPos(viewer->Handle(), nullptr, 100, 120, 500, 300, SWP_NOZORDER);
    if (goes == Goes::ClosedMinimised) ShowWindow(viewer->Handle(), SW_MINIMIZE);
    const UINT dpi = viewer->Dpi();
    if (goes == Goes::DestroyedAtTheEnd) viewer->Destroy();  // as when the program ends
    CloseViewer(viewer);
    for (int i = 0; i < 4; ++i) {
      wchar_t text[16] = L"";
      DWORD size = sizeof text;
      RegGetValueW(HKEY_CURRENT_USER, L"Software\\Velmora\\Settings", names[i], RRF_RT_REG_SZ, nullptr, text, &size);
      EXPECT_EQ(text, goes != Goes::Closed ? L"" : std::to_wstring(ui::PixelsToTwips(pixels[i], dpi))) << names[i];
    }
  }
  // Many more leave no handles; the first rounds make the classes, the shared
  // viewer and the system's caches.
  for (int i = 0; i < 4; ++i) CloseViewer(RunFullScreenCapture());
  int round = 0;
  EXPECT_TRUE(NoHandlesLeft([&] {
    ViewerWindow* viewer = RunFullScreenCapture();
    if (round++ % 10 == 0) RightClick(*viewer), DeleteFileW(viewer->LastSave().path.c_str());
    CloseViewer(viewer);
  }));
  EXPECT_EQ(OpenViewerCount(), 0u);
}

// Area points and the picture points they must show, read off the screen.
TEST(Viewer, TheWheelZoomsAboutThePointerADoubleClickBringsBackOneToOneTheRightButtonSavesAll) {
  ViewerWindow viewer;
  viewer.SetPicture(BlockPicture());
  viewer.Show();
  SetWindowPos(viewer.Handle(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  POINT origin{0, 0};
  ClientToScreen(viewer.AreaControl(), &origin);
  RECT area;
  GetClientRect(viewer.AreaControl(), &area);
  const auto shows = [&](std::vector<std::pair<POINT, std::uint32_t>> points) {
    return WaitFor([&] {
      for (const auto& [at, color] : points) {
        if (ScreenPixels(origin.x + at.x, origin.y + at.y, 1, 1)[0] != color) return false;
      }
      return true;
    });
  };
  const POINT wheelAt{origin.x + 150, origin.y + 150};
  SendMessageW(viewer.ImageControl(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(wheelAt.x, wheelAt.y));
  EXPECT_EQ(viewer.Zoom(), 1.25);  // picture point = 150 + (area point - 150) / 1.25
  EXPECT_TRUE(shows({{{150, 150}, BlockColor(150, 150)}, {{440, 60}, BlockColor(382, 78)},
                     {{60, 205}, BlockColor(78, 194)}}));
  RightClick(viewer);  // the file holds the whole picture at full size, whatever the zoom
  EXPECT_EQ(BmpFileSizeThenDelete(viewer.SaveName()), Size(1200, 900));

  Mouse(viewer, WM_LBUTTONDBLCLK, 150, 150);  // back to 1:1, the point under the pointer kept
  Mouse(viewer, WM_LBUTTONUP, 150, 150);
  RECT client;  // the area reaches under the frame, as wide as the whole viewer
  GetClientRect(viewer.Handle(), &client);
  const int width = std::min(area.right, client.right), height = std::min(area.bottom, client.bottom);
  const auto atOneToOne = PixelsOf(viewer.Image().Bitmap(), kBlocksWide * 100, kBlocksHigh * 100);
  std::vector<std::uint32_t> expected;
  for (int y = 0; y < height; ++y) expected.insert(expected.end(), &atOneToOne[y * 1200], &atOneToOne[y * 1200 + width]);
  EXPECT_TRUE(WaitFor([&] { return ScreenPixels(origin.x, origin.y, width, height) == expected; }));
}

// On the 100-pixel blocks: corners 300 pixels apart, and three corners on a
// circle of radius 100 about (200, 100). At 1:1 area points are picture points.
TEST(Viewer, ShiftMeasuresLinesAndCirclesTheBoxSetsMillimetresCtrlCCopiesAndTheSavedPictureIsAsCaptured) {
  ViewerWindow viewer;
  viewer.SetPicture(BlockPicture());
  viewer.Show();
  const HWND image = viewer.ImageControl();
  const auto shift = [&](UINT m, int x, int y) { SendMessageW(image, m, MK_SHIFT | MK_LBUTTON, MAKELPARAM(x, y)); };
  const auto drag = [&](int x0, int y0, int x1, int y1) {
    shift(WM_LBUTTONDOWN, x0, y0), shift(WM_MOUSEMOVE, x1, y1), shift(WM_LBUTTONUP, x1, y1);
  };
  const auto type = [](HWND to, std::wstring_view keys) { for (wchar_t k : keys) SendMessageW(to, WM_CHAR, k, 0); };
  drag(100, 100, 400, 100);
  const HWND readout = FindWindowExW(image, nullptr, L"Static", nullptr);
  const HWND label = FindWindowExW(image, readout, L"Static", nullptr), edit = FindWindowExW(image, nullptr, L"Edit", nullptr);
  EXPECT_EQ(ui::GetText(readout), L"L 300.0  Δx 300.0  Δy 0.00  0.00°");
  POINT origin{0, 0};
  ClientToScreen(image, &origin);
  EXPECT_TRUE(WaitFor([&] { return ScreenPixels(origin.x + 250, origin.y + 100, 1, 1)[0] == 0xB00060u; }));
  for (const auto& [x, y, message] : {std::tuple(100, 100, WM_LBUTTONDOWN), {300, 100, WM_LBUTTONDBLCLK},
                                      {200, 200, WM_LBUTTONDOWN}}) {
    shift(message, x, y), shift(WM_LBUTTONUP, x, y);  // a quick second click is a point, not 1:1
  }
  EXPECT_EQ(ui::GetText(readout), L"Φ 200.0");
  type(viewer.Handle(), L"\x03");
  EXPECT_EQ(ui::GetClipboardText(viewer.Handle()), L"200.0 px");

  drag(100, 100, 400, 100);
  type(viewer.Handle(), L"0");  // opens the box with the focus in it
  ASSERT_TRUE(IsWindowVisible(edit) && GetFocus() == edit);
  SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(ui::GetText(label), L"实际长度 (mm)  须大于 0");
  type(edit, L"150");  // over the refused text
  SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(!IsWindowVisible(edit) && GetFocus() == viewer.Handle());
  drag(100, 200, 200, 200);
  EXPECT_EQ(ui::GetText(readout), L"L 50.0 mm  Δx 50.0 mm  Δy 0.00 mm  0.00°");
  type(viewer.Handle(), L"\x03");
  EXPECT_EQ(ui::GetClipboardText(viewer.Handle()), L"50.0 mm");
  EXPECT_EQ(viewer.Zoom(), 1.0);

  RightClick(viewer);  // the file holds the picture, not what is drawn over it
  const ui::Bitmap saved(static_cast<HBITMAP>(
      LoadImageW(nullptr, viewer.SaveName().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  EXPECT_TRUE(PixelsOf(saved.get(), 1200, 900) == PixelsOf(viewer.Image().Bitmap(), 1200, 900));
  DeleteFileW(viewer.SaveName().c_str());
  SendMessageW(viewer.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(IsWindowVisible(readout));
}
