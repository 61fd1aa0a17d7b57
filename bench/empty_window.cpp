// The reference for start-up: what any Win32 program costs before it does
// anything of its own, walked the way a user walks Velmora's start. A first
// window with one label shows; a click on the label shows a second, small
// top-most window and closes the first, as the splash hands over to the bar.
#include <windows.h>

#ifdef VELMORA_BENCH_VELMORAS_DLLS
#include <commctrl.h>
#include <dwmapi.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlwapi.h>
#endif

namespace {

#ifdef VELMORA_BENCH_VELMORAS_DLLS
// The same program importing what Velmora imports from the system, and
// showing a line of Chinese text: what loading those DLLs and a Chinese
// font cost at start, before any code of Velmora's runs.
const void* volatile kVelmorasImports[] = {
    reinterpret_cast<const void*>(&ShellExecuteW),     reinterpret_cast<const void*>(&CoInitializeEx),
    reinterpret_cast<const void*>(&InitCommonControlsEx), reinterpret_cast<const void*>(&DwmFlush),
    reinterpret_cast<const void*>(&PathFileExistsW),   reinterpret_cast<const void*>(&GetFileVersionInfoSizeW),
    reinterpret_cast<const void*>(&RegCloseKey),       reinterpret_cast<const void*>(&CreateSolidBrush)};
#endif

constexpr int kLabelId = 1;

LRESULT CALLBACK SecondProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FirstProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == kLabelId && HIWORD(wParam) == STN_CLICKED) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const HWND second = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"VelmoraBenchSecond", L"Second", WS_POPUP,
                                        1800, 1000, 56, 19, nullptr, nullptr, instance, nullptr);
    ShowWindow(second, SW_SHOW);
    UpdateWindow(second);
    DestroyWindow(hwnd);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Register(const wchar_t* name, WNDPROC procedure, HINSTANCE instance) {
  WNDCLASSEXW windowClass{sizeof windowClass};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
#ifdef VELMORA_BENCH_VELMORAS_DLLS
  for (const void* volatile& import : kVelmorasImports) {
    if (!import) return 1;
  }
#endif
  Register(L"VelmoraBenchFirst", FirstProcedure, instance);
  Register(L"VelmoraBenchSecond", SecondProcedure, instance);
  const HWND first = CreateWindowExW(0, L"VelmoraBenchFirst", L"First", WS_POPUP, 600, 400, 609, 275, nullptr,
                                     nullptr, instance, nullptr);
  CreateWindowExW(0, L"STATIC", L"Click", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 431, 45, 90, 19, first,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLabelId)), instance, nullptr);
#ifdef VELMORA_BENCH_VELMORAS_DLLS
  // And one line in the splash's Chinese face: under Wine the first use of
  // a CJK font reads it from its large font file.
  static const HFONT face = CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
  const HWND line = CreateWindowExW(0, L"STATIC", L"压力容器与锅炉设计工具", WS_CHILD | WS_VISIBLE, 20, 200, 400, 24, first,
                                    nullptr, instance, nullptr);
  SendMessageW(line, WM_SETFONT, reinterpret_cast<WPARAM>(face), FALSE);
#endif
  ShowWindow(first, show);
  UpdateWindow(first);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
