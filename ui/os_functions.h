#pragma once
// The system functions newer than Windows 7 SP1, looked up at run time in
// this one place so that every program still starts on Windows 7. Where the
// system lacks one, the fallback is what such a system does anyway: one DPI
// for the whole session, read from the screen.

#include <windows.h>

namespace ui {

// Entry points of user32 and shcore that Windows 7 lacks; null where this
// system has none. Windows 8.1 and Windows 10 before 1607 have the per-monitor
// DPI of shcore but not yet the per-window functions of user32.
struct NewerFunctions {
  explicit NewerFunctions(HMODULE user32, HMODULE shcore = nullptr);

  UINT(WINAPI* getDpiForSystem)() = nullptr;
  UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
  BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
  int(WINAPI* getSystemMetricsForDpi)(int, UINT) = nullptr;
  DPI_AWARENESS_CONTEXT(WINAPI* setThreadDpiAwarenessContext)(DPI_AWARENESS_CONTEXT) = nullptr;
  BOOL(WINAPI* setProcessDpiAwarenessContext)(DPI_AWARENESS_CONTEXT) = nullptr;
  DPI_AWARENESS_CONTEXT(WINAPI* getWindowDpiAwarenessContext)(HWND) = nullptr;
  DPI_AWARENESS(WINAPI* getAwarenessFromDpiAwarenessContext)(DPI_AWARENESS_CONTEXT) = nullptr;
  // shcore (Windows 8.1): the monitor's DPI, and the process-wide awareness.
  HRESULT(WINAPI* getDpiForMonitor)(HMONITOR, int, UINT*, UINT*) = nullptr;
  HRESULT(WINAPI* setProcessDpiAwareness)(int) = nullptr;
};

// This system's functions, looked up once: shcore's only where user32
// lacks what they stand in for.
const NewerFunctions& SystemFunctions();
// The same with shcore's always, for the DPI of each monitor.
const NewerFunctions& MonitorFunctions();

// The DPI of the session: the screen's, where there is no per-monitor DPI.
UINT SystemDpi(const NewerFunctions& f = SystemFunctions());
// The DPI a window is drawn at: its own, else its monitor's, else the session's.
UINT WindowDpi(HWND window, const NewerFunctions& f = SystemFunctions());
// How a window follows its monitor's DPI; DPI_AWARENESS_INVALID where the
// system cannot say (before Windows 10 1607).
DPI_AWARENESS WindowDpiAwareness(HWND window, const NewerFunctions& f = SystemFunctions());
// The DPI a window draws at, as the system keeps it; 0 where it cannot say.
UINT OwnWindowDpi(HWND window, const NewerFunctions& f = SystemFunctions());
// The effective DPI of a monitor; the session's where monitors have none.
UINT MonitorDpi(HMONITOR monitor, const NewerFunctions& f = MonitorFunctions());
// The outer rectangle of a window whose client area is `r`, at a DPI.
void AdjustWindowRectForDpi(RECT& r, DWORD style, DWORD exStyle, UINT dpi,
                            const NewerFunctions& f = SystemFunctions());
int SystemMetricForDpi(int index, UINT dpi, const NewerFunctions& f = SystemFunctions());
// Sets the calling thread's DPI awareness and returns the one it had; does
// nothing and returns null where threads have no awareness of their own
// (before Windows 10 1607): there the process's awareness, per monitor from
// the manifest, already gives physical pixels.
DPI_AWARENESS_CONTEXT SetThreadDpiAwareness(DPI_AWARENESS_CONTEXT context,
                                            const NewerFunctions& f = SystemFunctions());
// Makes the process per-monitor DPI aware where it can (v2, else the
// Windows 8.1 kind), else system DPI aware (for programs without a
// manifest, such as the test programs).
bool SetProcessDpiAware(const NewerFunctions& f = SystemFunctions());

// Waits until the compositor has put the screen as it now stands on show;
// returns at once where there is no compositor.
void WaitForCompositor();

// Waits, at most about half a second, until a menu item just chosen with the
// mouse has faded out where the system fades it, then for the compositor.
void WaitForMenuFade();

// Has the compositor show and hide a window at once, without its fade: a
// window that hides for a screen shot must be gone from the next frame.
void DisableWindowTransitions(HWND window);

}  // namespace ui
