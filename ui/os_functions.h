#pragma once
// The system functions newer than Windows 7 SP1, looked up at run time in
// this one place so that every program still starts on Windows 7. Where the
// system lacks one, the fallback is what such a system does anyway: one DPI
// for the whole session, read from the screen.

#include <windows.h>

namespace ui {

// Entry points of user32 that Windows 7 lacks; null where this system has none.
struct NewerFunctions {
  explicit NewerFunctions(HMODULE user32);

  UINT(WINAPI* getDpiForSystem)() = nullptr;
  UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
  BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
  int(WINAPI* getSystemMetricsForDpi)(int, UINT) = nullptr;
  DPI_AWARENESS_CONTEXT(WINAPI* setThreadDpiAwarenessContext)(DPI_AWARENESS_CONTEXT) = nullptr;
  BOOL(WINAPI* setProcessDpiAwarenessContext)(DPI_AWARENESS_CONTEXT) = nullptr;
};

// This system's functions, looked up once.
const NewerFunctions& SystemFunctions();

// The DPI of the session: the screen's, where there is no per-monitor DPI.
UINT SystemDpi(const NewerFunctions& f = SystemFunctions());
// The DPI a window is drawn at; the session's where the window has none of its own.
UINT WindowDpi(HWND window, const NewerFunctions& f = SystemFunctions());
// The outer rectangle of a window whose client area is `r`, at a DPI.
void AdjustWindowRectForDpi(RECT& r, DWORD style, DWORD exStyle, UINT dpi,
                            const NewerFunctions& f = SystemFunctions());
int SystemMetricForDpi(int index, UINT dpi, const NewerFunctions& f = SystemFunctions());
// Sets the calling thread's DPI awareness and returns the one it had; does
// nothing and returns null where threads have no awareness of their own.
DPI_AWARENESS_CONTEXT SetThreadDpiAwareness(DPI_AWARENESS_CONTEXT context,
                                            const NewerFunctions& f = SystemFunctions());
// Makes the process per-monitor DPI aware where it can, else system DPI
// aware (for programs without a manifest, such as the test programs).
bool SetProcessDpiAware(const NewerFunctions& f = SystemFunctions());

// Waits until the compositor has put the screen as it now stands on show (a
// closed menu's fade-out gone); returns at once where there is no compositor.
void WaitForCompositor();

}  // namespace ui
