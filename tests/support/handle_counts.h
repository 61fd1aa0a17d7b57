#pragma once
// Live GDI and USER object counts of this process, for leak checks.
//
// Windows answers through GetGuiResources. Wine answers 0 there, so the counts are taken from its handle tables
// instead: a handle value whose high word is zero names a table entry by its index alone, and the object calls
// (GetObjectType, IsWindow, IsMenu) report whether that entry is alive.

#include <windows.h>

namespace testsupport {

inline DWORD GdiObjectCount() {
  DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (count) return count;
  for (ULONG_PTR index = 1; index < 0x10000; ++index) count += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
  return count;
}

inline DWORD UserObjectCount() {
  DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (count) return count;
  const DWORD self = GetCurrentProcessId();
  for (ULONG_PTR index = 0x20; index < 0x10000; index += 2) {
    const HWND window = reinterpret_cast<HWND>(index);
    DWORD owner = 0;
    if (IsWindow(window)) count += GetWindowThreadProcessId(window, &owner) && owner == self;
    else count += IsMenu(reinterpret_cast<HMENU>(index)) != FALSE;
  }
  return count;
}

}  // namespace testsupport
