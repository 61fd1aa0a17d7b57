// The reference for start-up: what any Win32 program costs before it does
// anything of its own, walked the way a user walks Velmora's start. A first
// window with one label shows; a click on the label shows a second, small
// top-most window and closes the first, as the splash hands over to the bar.
#include <windows.h>

namespace {

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
  Register(L"VelmoraBenchFirst", FirstProcedure, instance);
  Register(L"VelmoraBenchSecond", SecondProcedure, instance);
  const HWND first = CreateWindowExW(0, L"VelmoraBenchFirst", L"First", WS_POPUP, 600, 400, 609, 275, nullptr,
                                     nullptr, instance, nullptr);
  CreateWindowExW(0, L"STATIC", L"Click", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 431, 45, 90, 19, first,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLabelId)), instance, nullptr);
  ShowWindow(first, show);
  UpdateWindow(first);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
