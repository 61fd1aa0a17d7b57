#pragma once
// Counts of the process's GDI objects and windows for the leak tests of the
// capture modes. GetGuiResources answers 0 under Wine, so the GDI count
// falls back on the process's shared GDI handle table (the PEB's
// GdiSharedHandleTable: 24-byte entries, the owner's process id in the low
// 16 bits of the second field, a live entry's type non-zero), which Wine
// keeps with the same layout, one table per process and owners left 0.
// Windows are counted by enumeration.

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <cstring>

namespace capture_test {

inline std::size_t GdiObjectCount() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
#ifdef _WIN64
  constexpr std::size_t kTableOffset = 0xF8;
  constexpr std::size_t kEntries = 0x10000;
  constexpr std::size_t kEntryBytes = 24;
  using Query = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const FARPROC address = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess");
  const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(address));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return 0;
  const auto* pebAddress = reinterpret_cast<const std::byte*>(basic.PebBaseAddress);
  const std::byte* table = nullptr;
  std::memcpy(&table, pebAddress + kTableOffset, sizeof table);
  if (!table) return 0;
  const auto pid = static_cast<std::uint16_t>(GetCurrentProcessId());
  std::size_t count = 0;
  for (std::size_t i = 0; i < kEntries; ++i) {
    const std::byte* entry = table + i * kEntryBytes;
    std::uint16_t owner = 0;
    std::memcpy(&owner, entry + 8, sizeof owner);
    const auto type = std::to_integer<std::uint8_t>(entry[14]);
    if (type != 0 && (owner == pid || owner == 0)) ++count;  // Wine leaves the owner 0
  }
  return count;
#else
  return 0;
#endif
}

inline BOOL CALLBACK CountWindow(HWND hwnd, LPARAM param) {
  ++*reinterpret_cast<std::size_t*>(param);
  EnumChildWindows(hwnd, [](HWND, LPARAM p) { return ++*reinterpret_cast<std::size_t*>(p), TRUE; }, param);
  return TRUE;
}

// USER objects: GetGuiResources where it answers, else the windows (and
// their children) of the calling thread.
inline std::size_t UserObjectCount() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return count;
  std::size_t count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace capture_test
