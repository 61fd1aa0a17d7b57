// Capture figures at the present screen size: the capture routine against a
// bare block transfer of the same screen, capture mode 1 up to a painted
// viewer, BMP writing against a plain write of as many bytes, one wheel
// notch that brings a viewer to "fits" against a bare HALFTONE stretch of
// the same picture to the same size, and the private memory each open
// viewer costs against the size of its picture.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_stats.h"
#include "ui/os_functions.h"
#include "velmora/capture/bmp_file.h"
#include "velmora/capture/full_screen_capture.h"

namespace {

constexpr int kRuns = 9;
// Viewers opened before each memory reading: none, the first ten, twenty more.
constexpr int kViewersAt[3] = {0, 10, 20};
constexpr DWORD kMemoryPauseMs = 3000;


void PlainWrite(const std::wstring& path, const std::vector<char>& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// What any writer of a file must do at the least to have a bitmap's pixels
// in memory it can write from: one GetDIBits of every row at 32 bits.
void BareReadOut(const capture::Picture& picture, std::vector<char>& into) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, picture.Width(), picture.Height(), 1, 32, BI_RGB};
  const HDC screen = GetDC(nullptr);
  GetDIBits(screen, picture.Bitmap(), 0, picture.Height(), into.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Capture mode 1 as the button runs it, until the viewer is on screen and
// painted.
capture::ViewerWindow* OpenViewer() {
  capture::ViewerWindow* viewer = capture::RunFullScreenCapture();
  if (viewer) {
    UpdateWindow(viewer->Handle());
    GdiFlush();
  }
  return viewer;
}

void CloseViewer(capture::ViewerWindow* viewer) {
  if (viewer && viewer->Exists()) SendMessageW(viewer->Handle(), WM_CLOSE, 0, 0);
  PumpMessages();
}

// What any program must do at the least to show a picture shrunk smoothly:
// one HALFTONE stretch into a bitmap of the target size, made beforehand.
// The picture is selected only for the stretch: a bitmap can be in one DC
// at a time, and the viewer draws from it too.
class BareHalftone {
 public:
  BareHalftone(HBITMAP picture, SIZE to)
      : screen_(GetDC(nullptr)),
        source_(CreateCompatibleDC(screen_)),
        target_(CreateCompatibleDC(screen_)),
        bitmap_(CreateCompatibleBitmap(screen_, to.cx, to.cy)),
        previousTarget_(SelectObject(target_, bitmap_)),
        picture_(picture),
        to_(to) {
    BITMAP info{};
    GetObjectW(picture, sizeof info, &info);
    from_ = {info.bmWidth, info.bmHeight};
  }
  ~BareHalftone() {
    SelectObject(target_, previousTarget_);
    DeleteDC(source_);
    DeleteDC(target_);
    DeleteObject(bitmap_);
    ReleaseDC(nullptr, screen_);
  }
  void Stretch() const {
    const HGDIOBJ previous = SelectObject(source_, picture_);
    SetStretchBltMode(target_, HALFTONE);
    SetBrushOrgEx(target_, 0, 0, nullptr);
    StretchBlt(target_, 0, 0, to_.cx, to_.cy, source_, 0, 0, from_.cx, from_.cy, SRCCOPY);
    GdiFlush();
    SelectObject(source_, previous);
  }

 private:
  HDC screen_, source_, target_;
  HBITMAP bitmap_;
  HGDIOBJ previousTarget_;
  HBITMAP picture_;
  SIZE to_, from_{};
};

void Wheel(const capture::ViewerWindow& viewer, int delta) {
  RECT area;
  GetWindowRect(viewer.AreaControl(), &area);
  SendMessageW(viewer.ImageControl(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta),
               MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2));
  GdiFlush();
}

// A viewer of the screen one notch above "fits"; each timed notch takes it
// down to "fits" and repaints it, the reference stretching the whole picture
// to the size the viewer then shows it at. The two take turns.
void MeasureWheelToFits() {
  capture::ViewerWindow* viewer = OpenViewer();
  if (!viewer) return;
  SendMessageW(viewer->ImageControl(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 10));  // 1:1 to "fits"
  SendMessageW(viewer->ImageControl(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  RECT fits;
  GetClientRect(viewer->ImageControl(), &fits);
  const BareHalftone bare(viewer->Image().Bitmap(), {fits.right, fits.bottom});
  std::vector<double> wheelMs, halftoneMs;
  for (int i = 0; i < kRuns; ++i) {
    Wheel(*viewer, WHEEL_DELTA);
    wheelMs.push_back(bench::TimeMs([&] { Wheel(*viewer, -WHEEL_DELTA); }));
    halftoneMs.push_back(bench::TimeMs([&] { bare.Stretch(); }));
  }
  bench::Report("wheel_to_fits_ms", bench::Median(wheelMs));
  bench::Report("bare_halftone_ms", bench::Median(halftoneMs));
  CloseViewer(viewer);
}

DWORD64 FileBytes(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<DWORD64>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Memory is measured in a process of its own: pixels freed by earlier
// captures stay with the allocator and would be reused by the viewers. The
// first ten viewers also carry what the process takes once for its first
// captures (under Wine, about 16 MB of its own allocations), so a viewer's
// own cost is taken over the twenty after them.
int MeasureViewerMemory() {
  capture::ViewerWindow* first = OpenViewer();  // also makes the shared hidden viewer
  if (!first) return 1;
  // The X server may hold the pixels of screen-compatible bitmaps as pixmaps.
  const wchar_t* server = _wgetenv(L"VELMORA_XVFB_PID");
  std::vector<capture::ViewerWindow*> viewers;
  double privateAt[3]{}, serverAt[3]{};
  for (int phase = 0; phase < 3; ++phase) {
    for (int i = 0; i < kViewersAt[phase]; ++i) viewers.push_back(OpenViewer());
    PumpMessages();
    privateAt[phase] = static_cast<double>(bench::PrivateBytes());
    // tools/bench reads the Linux side of this process during each pause.
    bench::Report("memory_phase", phase + 1);
    Sleep(kMemoryPauseMs);
    serverAt[phase] = server ? static_cast<double>(bench::UnixAnonymousBytes(server)) : 0;
  }
  BITMAP info{};
  GetObjectW(first->Image().Bitmap(), sizeof info, &info);
  bench::Report("picture_bytes", static_cast<double>(info.bmWidthBytes) * info.bmHeight);
  bench::Report("first_viewers_private_bytes", (privateAt[1] - privateAt[0]) / kViewersAt[1]);
  bench::Report("viewer_private_bytes", (privateAt[2] - privateAt[1]) / kViewersAt[2]);
  bench::Report("viewer_xserver_bytes", (serverAt[2] - serverAt[1]) / kViewersAt[2]);
  for (auto* viewer : viewers) CloseViewer(viewer);
  CloseViewer(first);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  ui::SetProcessDpiAware();
  if (argc > 1 && std::wstring(argv[1]) == L"memory") return MeasureViewerMemory();
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  bench::Report("screen_width", width);
  bench::Report("screen_height", height);

  bench::BareBlit(width, height);  // warm-up: the first transfer maps the screen
  bench::Report("bare_blit_ms", bench::MedianMs(kRuns, [&] { bench::BareBlit(width, height); }));
  bench::Report("capture_screen_ms", bench::MedianMs(kRuns, [] { capture::CaptureScreen(); }));

  wchar_t temp[MAX_PATH]{};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring bmpPath = std::wstring(temp) + L"velmora_bench_capture.bmp";
  const std::wstring plainPath = std::wstring(temp) + L"velmora_bench_plain.bin";
  const capture::Picture picture = capture::CaptureScreen();
  capture::WriteBmpFile(picture, bmpPath);
  const std::vector<char> bytes(FileBytes(bmpPath), '\x5a');
  bench::Report("bmp_bytes", static_cast<double>(bytes.size()));
  // The two writes take turns, so that the system's write-back of earlier
  // files falls on both alike.
  // The read-out alone shows what a file costs beyond the write itself.
  std::vector<char> pixels(std::size_t{4} * picture.Width() * picture.Height());
  std::vector<double> bmpMs, plainMs, readOutMs;
  for (int i = 0; i < kRuns; ++i) {
    bmpMs.push_back(bench::TimeMs([&] { capture::WriteBmpFile(picture, bmpPath); }));
    plainMs.push_back(bench::TimeMs([&] { PlainWrite(plainPath, bytes); }));
    readOutMs.push_back(bench::TimeMs([&] { BareReadOut(picture, pixels); }));
  }
  bench::Report("bmp_write_ms", bench::Median(bmpMs));
  bench::Report("plain_write_ms", bench::Median(plainMs));
  bench::Report("bare_read_out_ms", bench::Median(readOutMs));
  DeleteFileW(bmpPath.c_str());
  DeleteFileW(plainPath.c_str());

  CloseViewer(OpenViewer());  // warm-up: makes the shared hidden viewer
  std::vector<double> modeOne;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = bench::Clock::now();
    capture::ViewerWindow* viewer = OpenViewer();
    modeOne.push_back(bench::MillisecondsSince(start));
    CloseViewer(viewer);
  }
  bench::Report("mode1_ms", bench::Median(modeOne));
  MeasureWheelToFits();

  return 0;
}
