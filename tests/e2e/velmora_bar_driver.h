#pragma once
// Driving Velmora.exe's bar from outside: the splash's version label brings
// the bar, "菜" opens the popup menu, and the keyboard walks it.
#include <windows.h>

#include <initializer_list>
#include <string>

#include "tests/support/e2e_support.h"

namespace e2e::velmora {

inline constexpr int kDeadline = 20000;

// Waits until the process shows `count` visible windows of a class.
inline bool WaitForCount(DWORD pid, const wchar_t* className, std::size_t count, int milliseconds = kDeadline) {
  return WaitUntil([&] { return VisibleWindowsOf(pid, className).size() == count; }, milliseconds);
}

inline HWND WaitForOne(DWORD pid, const wchar_t* className) {
  return WaitForCount(pid, className, 1) ? VisibleWindowsOf(pid, className).front() : nullptr;
}

// The label acts on the click: the splash stays while the button is down.
inline HWND BarByVersionClick(DWORD pid) {
  const HWND splash = WaitForOne(pid, L"VelmoraSplash");
  if (!splash) return nullptr;
  const auto button = [](DWORD flags) {
    INPUT in{.type = INPUT_MOUSE, .mi = {.dwFlags = flags}};
    SendInput(1, &in, sizeof in);
  };
  RECT r;
  GetWindowRect(ChildWithText(splash, L"Static", L"Ver:1.1.0"), &r);
  BringToFront(splash);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  button(MOUSEEVENTF_LEFTDOWN);
  Settle(500);
  const bool stayed = IsWindowVisible(splash);
  button(MOUSEEVENTF_LEFTUP);
  const HWND bar = stayed ? WaitForOne(pid, L"VelmoraBar") : nullptr;
  // Until the bar's thread answers: without a window manager (two monitors)
  // the closing splash holds it a while, and a press on the bar goes astray.
  if (bar) SendMessageTimeoutW(bar, WM_NULL, 0, 0, SMTO_NORMAL, kDeadline, nullptr);
  return bar;
}

// A button on the bar's panel.
inline HWND BarButton(HWND bar, const std::wstring& caption) {
  return ChildWithText(GetWindow(bar, GW_CHILD), L"Button", caption);
}

// Opens the popup menu with "菜" and puts the pointer on its first item, so the
// keyboard starts there whichever item the menu opened under the cursor.
inline bool OpenMenu(DWORD pid, HWND bar) {
  Click(BarButton(bar, L"菜"));
  const HWND menu = WaitForOne(pid, L"#32768");
  if (!menu) return false;
  RECT r;
  GetWindowRect(menu, &r);
  SetCursorPos((r.left + r.right) / 2, r.top + 8);
  Settle(300);
  return true;
}

// From the first item, `downs[i]` steps down (separators skipped) in the top
// menu, then in each submenu opened with Right; Enter on the last.
inline bool ChooseByKeys(DWORD pid, std::initializer_list<int> downs) {
  std::size_t depth = 1;
  for (const int steps : downs) {
    if (depth > 1) {
      PressKey(VK_RIGHT);
      if (!WaitForCount(pid, L"#32768", depth, 5000)) return false;
    }
    for (int i = 0; i < steps; ++i) PressKey(VK_DOWN);
    ++depth;
  }
  PressKey(VK_RETURN);
  return WaitForCount(pid, L"#32768", 0, 5000);
}

}  // namespace e2e::velmora
