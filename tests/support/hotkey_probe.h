#pragma once
// Whether a global hot key is free: another window may take it only while
// no window holds it.
#include <windows.h>

namespace testsupport {

inline bool KeyIsFree(UINT modifiers, UINT key) {
  const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  const bool free = RegisterHotKey(other, 77, modifiers, key) != FALSE;
  if (free) UnregisterHotKey(other, 77);
  DestroyWindow(other);
  return free;
}

}  // namespace testsupport
