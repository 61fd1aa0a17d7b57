// Capture mode 1 against a bare block transfer of the screen, by turns, and
// the same command taken apart into its steps, each timed here from the
// outside of the capture code: the two viewer windows made, the monitors
// enumerated, the memory check, the screen read (on a thread of its own, as
// the viewer reads it), the picture handed to both viewers, the viewer shown
// and first painted; beside them the compositor wait that the bar's commands
// run before a capture, and the least any program pays to show a picture in
// a new window; and the read again with the viewer's window made on this
// thread while it runs. One "key value" line per run and figure: tools/bench
// takes the medians, also over several runs of this program by turns with the
// same program built from an earlier commit (which has no monitor or memory
// steps, and reports none).
//   mode1_bench [runs]
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench/bench_stats.h"
#include "ui/os_functions.h"
#include "velmora/capture/full_screen_capture.h"
#include "velmora/capture/viewer_window.h"

#if __has_include("velmora/capture/capture_room.h")
#include "velmora/capture/capture_room.h"
#define VELMORA_EVERY_MONITOR 1
#endif

namespace {

using bench::Clock;

void Put(const char* key, double ms) { std::printf("%s %.3f\n", key, ms); }

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}


// What any program must do at the least to show a picture it holds in a
// window of its own: one plain top-most window of the viewer's size, shown
// and painted once from the picture. Under Wine this alone takes a few
// milliseconds, which capture 1 pays on top of its read.
HBITMAP& ShownPicture() {
  static HBITMAP picture = nullptr;
  return picture;
}

LRESULT CALLBACK PaintPicture(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;
  if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(hwnd, &paint);
  const HDC memory = CreateCompatibleDC(dc);
  const HGDIOBJ previous = SelectObject(memory, ShownPicture());
  const RECT& r = paint.rcPaint;
  BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, r.left, r.top, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  EndPaint(hwnd, &paint);
  return 0;
}

double BareWindow(const SIZE& outer) {
  static const ATOM registered = [] {
    WNDCLASSW c{};
    c.lpfnWndProc = PaintPicture;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"VelmoraBenchBareWindow";
    return RegisterClassW(&c);
  }();
  if (!registered) return 0;
  const auto start = Clock::now();
  const HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, L"VelmoraBenchBareWindow", L"", WS_OVERLAPPEDWINDOW, 0, 0, outer.cx,
                                    outer.cy, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  GdiFlush();
  const double ms = bench::MillisecondsSince(start);
  DestroyWindow(hwnd);
  PumpMessages();
  return ms;
}

// The whole command as the hot key runs it, until the viewer is painted.
double WholeCommand() {
  const auto start = Clock::now();
  capture::ViewerWindow* viewer = capture::RunFullScreenCapture();
  if (viewer) {
    UpdateWindow(viewer->Handle());
    GdiFlush();
  }
  const double ms = bench::MillisecondsSince(start);
  if (viewer && viewer->Exists()) SendMessageW(viewer->Handle(), WM_CLOSE, 0, 0);
  PumpMessages();
  return ms;
}

// The read as the shared viewer makes it, on a thread of its own; the steps
// inside it are timed on that thread.
struct Read {
  capture::Picture picture;
  double monitorsMs = 0, memoryMs = 0, readMs = 0;
};

DWORD WINAPI ReadScreen(void* param) {
  Read& read = *static_cast<Read*>(param);
  auto at = Clock::now();
#ifdef VELMORA_EVERY_MONITOR
  const std::vector<screen::Monitor> monitors = capture::DisplayMonitors();
  read.monitorsMs = bench::MillisecondsSince(at);
  at = Clock::now();
  MEMORYSTATUSEX status{sizeof status};
  GlobalMemoryStatusEx(&status);
  const screen::ScreenRect all = screen::VirtualScreen(monitors);
  capture::RoomForCapture({status.ullTotalVirtual, status.ullAvailVirtual, capture::Picture::HeldBytes()},
                          all.Width(), all.Height());
  read.memoryMs = bench::MillisecondsSince(at);
  at = Clock::now();
  read.picture = capture::CaptureScreen(monitors);  // checks the memory once more
#else
  read.picture = capture::CaptureScreen();
#endif
  read.readMs = bench::MillisecondsSince(at);
  return 0;
}

// The command's steps one by one, with the shared viewer kept across runs
// as the program keeps it.
void Steps(capture::ViewerWindow& shared) {
  auto at = Clock::now();
  const auto step = [&](const char* key) {
    Put(key, bench::MillisecondsSince(at));
    at = Clock::now();
  };
  ui::WaitForCompositor();
  step("step_compositor_wait_ms");
  shared.Load();
  auto viewer = std::make_unique<capture::ViewerWindow>();
  viewer->Load();
  step("step_windows_made_ms");
  Read read;
  const HANDLE thread = CreateThread(nullptr, 0, ReadScreen, &read, 0, nullptr);
  if (!thread) return;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  const double threadMs = bench::MillisecondsSince(at);
#ifdef VELMORA_EVERY_MONITOR
  Put("step_monitors_ms", read.monitorsMs);
  Put("step_memory_check_ms", read.memoryMs);
#endif
  Put("step_screen_read_ms", read.readMs);
  Put("step_read_thread_ms", threadMs - read.monitorsMs - read.memoryMs - read.readMs);
  at = Clock::now();
  shared.SetPicture(std::make_shared<const capture::Picture>(std::move(read.picture)));
  viewer->SetPicture(shared.SharedImage());
  step("step_picture_placed_ms");
  viewer->Show(SW_SHOWNORMAL);
  step("step_shown_ms");
  UpdateWindow(viewer->Handle());
  GdiFlush();
  step("step_painted_ms");
  viewer.reset();
  PumpMessages();
}

// The same read with the new viewer's window made while it runs, as the
// command makes it: how much of the two overlaps under this window system.
void ReadBesideWindow() {
  const auto at = Clock::now();
  Read read;
  const HANDLE thread = CreateThread(nullptr, 0, ReadScreen, &read, 0, nullptr);
  if (!thread) return;
  auto viewer = std::make_unique<capture::ViewerWindow>();
  viewer->Load();
  Put("beside_window_made_ms", bench::MillisecondsSince(at));
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  Put("beside_read_and_window_ms", bench::MillisecondsSince(at));
  viewer.reset();
  PumpMessages();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  ui::SetProcessDpiAware();
  const int runs = argc > 1 ? _wtoi(argv[1]) : 9;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  // Warm-up: the first transfer maps the screen, the first command makes the
  // shared viewer and loads what the window system loads once.
  bench::BareBlit(width, height);
  WholeCommand();
  capture::ViewerWindow shared;
  Steps(shared);
  RECT outer{};
  GetWindowRect(shared.Handle(), &outer);
  const capture::Picture picture = capture::CaptureScreen();
  ShownPicture() = picture.Bitmap();
  BareWindow({outer.right - outer.left, outer.bottom - outer.top});
  for (int i = 0; i < runs; ++i) {
    Put("bare_blit_ms", bench::TimeMs([&] { bench::BareBlit(width, height); }));
    Put("mode1_ms", WholeCommand());
    Steps(shared);
    ReadBesideWindow();
    Put("bare_window_ms", BareWindow({outer.right - outer.left, outer.bottom - outer.top}));
  }
  return 0;
}
