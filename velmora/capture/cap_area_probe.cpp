// A console helper for the end-to-end script of the capture modes. It shows
// a window of many colours at (40, 40), 500 x 400, as something to capture, then
//   cap_area_probe pick                 opens an area picker, prints "picker",
//                                       waits for the user's drag (real mouse
//                                       events) and prints "saved <file name>"
//                                       and the clipboard bitmap's size;
//   cap_area_probe continuous N SHOTS   starts the continuous capture at N
//                                       seconds and prints one line per shot:
//                                       "shot <label> <file name>".
// File names are printed without the folder, which the script knows.
#include <windows.h>

#include <cstdio>
#include <string>

#include "ui/controls.h"
#include "ui/handles.h"
#include "ui/os_functions.h"
#include "ui/window.h"
#include "velmora/capture/cap_area_window.h"
#include "velmora/capture/capture_file_name.h"
#include "velmora/capture/continuous_capture_window.h"
#include "velmora/capture/shot_window.h"

namespace {

LRESULT CALLBACK PatternProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_ERASEBKGND) return DefWindowProcW(hwnd, message, wParam, lParam);
  RECT r;
  GetClientRect(hwnd, &r);
  const HDC dc = reinterpret_cast<HDC>(wParam);
  for (int y = 0; y < r.bottom; y += 4) {
    for (int x = 0; x < r.right; x += 4) {
      const ui::Brush brush(CreateSolidBrush(RGB((x * 7) & 0xFF, (y * 5) & 0xFF, ((x + y) * 3) & 0xFF)));
      const RECT cell{x, y, x + 4, y + 4};
      FillRect(dc, &cell, brush.get());
    }
  }
  return 1;
}

HWND ShowPatternWindow() {
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = PatternProcedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VelmoraProbePattern";
  RegisterClassExW(&wc);
  const HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"pattern", WS_POPUP | WS_VISIBLE, 40, 40, 500, 400, nullptr,
                                    nullptr, wc.hInstance, nullptr);
  SetForegroundWindow(hwnd);
  UpdateWindow(hwnd);
  ui::Delay(0.5);
  return hwnd;
}

void Say(const std::wstring& line) {
  // The leaf names hold Chinese characters: UTF-8 for the script.
  const int n = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes.data(), n, nullptr, nullptr);
  std::printf("%s\n", bytes.c_str());
  std::fflush(stdout);
}

template <typename Condition>
bool WaitFor(Condition condition, double seconds) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  while (!condition() && GetTickCount64() < deadline) ui::Delay(0.05);
  return condition();
}

int Pick() {
  const HWND pattern = ShowPatternWindow();
  capture::CapAreaWindow* picker = capture::OpenNewAreaPicker();
  if (!picker) return 1;
  Say(L"picker");
  WaitFor([&] { return !picker->Exists(); }, 60);
  if (!picker->LastSave().saved) {
    Say(L"not saved");
  } else {
    Say(L"saved " + std::wstring(capture::FileLeaf(picker->LastSave().path)));
  }
  if (OpenClipboard(nullptr)) {
    BITMAP info{};
    if (auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) GetObjectW(bitmap, sizeof info, &info);
    CloseClipboard();
    Say(L"clipboard " + std::to_wstring(info.bmWidth) + L"x" + std::to_wstring(info.bmHeight));
  }
  ui::Delay(3);  // the screen stays as it was while the script reads it
  DestroyWindow(pattern);
  return 0;
}

int Continuous(const wchar_t* interval, int shots) {
  const HWND pattern = ShowPatternWindow();
  capture::ContinuousCaptureWindow* window = capture::ShowContinuousCapture({});
  if (!window) return 1;
  ui::SetText(window->Control(capture::ContinuousCaptureWindow::kTxtNum), interval);
  SetForegroundWindow(pattern);
  ui::Delay(0.3);
  const HWND start = window->Control(capture::ContinuousCaptureWindow::kCmdStart);
  SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(capture::ContinuousCaptureWindow::kCmdStart, BN_CLICKED),
               reinterpret_cast<LPARAM>(start));
  Say(L"started");
  for (int shot = 1; shot <= shots; ++shot) {
    if (!WaitFor([&] { return window->Model().ShotCount() >= shot; }, 60)) return 1;
    Say(L"shot " + ui::GetText(window->Control(capture::ContinuousCaptureWindow::kLabNum)) + L" " +
        std::wstring(capture::FileLeaf(window->LastShot().path)));
  }
  WaitFor([] { return capture::OpenShotWindowCount() == 0; }, 30);
  Say(L"done");
  ui::Delay(2);
  DestroyWindow(pattern);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  ui::SetProcessDpiAware();
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode == L"pick") return Pick();
  if (mode == L"continuous" && argc == 4) return Continuous(argv[2], _wtoi(argv[3]));
  std::fwprintf(stderr, L"usage: cap_area_probe pick | continuous SECONDS SHOTS\n");
  return 2;
}
