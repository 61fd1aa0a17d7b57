#include "ui/os_functions.h"

#include <string>

#include "ui/handles.h"
#include "ui/window.h"

namespace ui {
namespace {

template <typename Function>
void LookUp(HMODULE module, const char* name, Function& to) {
  // GetProcAddress returns a generic function pointer; the detour through
  // void* keeps the compiler from warning about the cast to the real type.
  to = module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// A system DLL by its full path in the system folder: LOAD_LIBRARY_SEARCH_SYSTEM32
// is refused by a Windows 7 without its loader update. Null where it is missing.
HMODULE LoadSystemLibrary(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
}

// MDT_EFFECTIVE_DPI and PROCESS_PER_MONITOR_DPI_AWARE of shellscalingapi.h,
// a header for Windows 8.1 that the Windows 7 headers leave out.
constexpr int kEffectiveDpi = 0;
constexpr int kProcessPerMonitorDpiAware = 2;

}  // namespace

NewerFunctions::NewerFunctions(HMODULE user32, HMODULE shcore) {
  LookUp(user32, "GetDpiForSystem", getDpiForSystem);
  LookUp(user32, "GetDpiForWindow", getDpiForWindow);
  LookUp(user32, "AdjustWindowRectExForDpi", adjustWindowRectExForDpi);
  LookUp(user32, "GetSystemMetricsForDpi", getSystemMetricsForDpi);
  LookUp(user32, "SetThreadDpiAwarenessContext", setThreadDpiAwarenessContext);
  LookUp(user32, "SetProcessDpiAwarenessContext", setProcessDpiAwarenessContext);
  LookUp(user32, "GetWindowDpiAwarenessContext", getWindowDpiAwarenessContext);
  LookUp(user32, "GetAwarenessFromDpiAwarenessContext", getAwarenessFromDpiAwarenessContext);
  LookUp(shcore, "GetDpiForMonitor", getDpiForMonitor);
  LookUp(shcore, "SetProcessDpiAwareness", setProcessDpiAwareness);
}

// user32 stays loaded for the life of every program that has a window;
// shcore, where there is one (8.1 and later), stays loaded once loaded.
// Where user32 answers every question a program asks at its start (a
// window's DPI, the process's awareness: Windows 10 1607 and later), shcore
// is left until a monitor's DPI is first asked for, so that nothing more is
// loaded before the first window shows.
const NewerFunctions& SystemFunctions() {
  static const NewerFunctions functions = [] {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const bool startAnswered =
        GetProcAddress(user32, "GetDpiForWindow") && GetProcAddress(user32, "SetProcessDpiAwarenessContext");
    return NewerFunctions(user32, startAnswered ? nullptr : LoadSystemLibrary(L"shcore.dll"));
  }();
  return functions;
}

// user32 has no call for a monitor's DPI even on Windows 10 1703 and later,
// so shcore's GetDpiForMonitor is the only source there too.
const NewerFunctions& MonitorFunctions() {
  static const NewerFunctions functions(GetModuleHandleW(L"user32.dll"), LoadSystemLibrary(L"shcore.dll"));
  return functions;
}

UINT SystemDpi(const NewerFunctions& f) {
  UINT dpi = 0;
  if (f.getDpiForSystem) {
    dpi = f.getDpiForSystem();
  } else if (const WindowDc screen{nullptr}) {
    dpi = static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSX));
  }
  return dpi ? dpi : USER_DEFAULT_SCREEN_DPI;
}

UINT WindowDpi(HWND window, const NewerFunctions& f) {
  if (window && f.getDpiForWindow) {
    if (const UINT dpi = f.getDpiForWindow(window)) return dpi;
  }
  // Windows 8.1 and 10 before 1607 send WM_DPICHANGED with the DPI of the
  // monitor the window is on, so that is the DPI it must be laid out at.
  return MonitorDpi(window ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST) : nullptr, f);
}

// GetWindowDpiAwarenessContext, GetAwarenessFromDpiAwarenessContext (Windows 10 1607).
DPI_AWARENESS WindowDpiAwareness(HWND window, const NewerFunctions& f) {
  if (!window || !f.getWindowDpiAwarenessContext || !f.getAwarenessFromDpiAwarenessContext) {
    return DPI_AWARENESS_INVALID;
  }
  const DPI_AWARENESS_CONTEXT context = f.getWindowDpiAwarenessContext(window);
  return context ? f.getAwarenessFromDpiAwarenessContext(context) : DPI_AWARENESS_INVALID;
}

// GetDpiForWindow: for an unaware window 96, for a system-aware one the
// system DPI, for a per-monitor aware one its monitor's.
UINT OwnWindowDpi(HWND window, const NewerFunctions& f) {
  return window && f.getDpiForWindow ? f.getDpiForWindow(window) : 0;
}

// GetDpiForMonitor: https://learn.microsoft.com/windows/win32/api/shellscalingapi/nf-shellscalingapi-getdpiformonitor
UINT MonitorDpi(HMONITOR monitor, const NewerFunctions& f) {
  UINT x = 0, y = 0;
  if (monitor && f.getDpiForMonitor && SUCCEEDED(f.getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && x) return x;
  return SystemDpi(f);
}

void AdjustWindowRectForDpi(RECT& r, DWORD style, DWORD exStyle, UINT dpi, const NewerFunctions& f) {
  if (f.adjustWindowRectExForDpi) {
    f.adjustWindowRectExForDpi(&r, style, FALSE, exStyle, dpi);
  } else {
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
  }
}

int SystemMetricForDpi(int index, UINT dpi, const NewerFunctions& f) {
  return f.getSystemMetricsForDpi ? f.getSystemMetricsForDpi(index, dpi) : GetSystemMetrics(index);
}

DPI_AWARENESS_CONTEXT SetThreadDpiAwareness(DPI_AWARENESS_CONTEXT context, const NewerFunctions& f) {
  return f.setThreadDpiAwarenessContext ? f.setThreadDpiAwarenessContext(context) : nullptr;
}

bool SetProcessDpiAware(const NewerFunctions& f) {
  if (f.setProcessDpiAwarenessContext) {
    return f.setProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) != FALSE;
  }
  if (f.setProcessDpiAwareness) return SUCCEEDED(f.setProcessDpiAwareness(kProcessPerMonitorDpiAware));
  return SetProcessDPIAware() != FALSE;
}

void WaitForCompositor() {
  // Loaded when first needed, so that programs that never wait start without
  // it; it stays loaded for the life of the program.
  static const auto flush = [] {
    HRESULT(WINAPI * function)() = nullptr;
    LookUp(LoadSystemLibrary(L"dwmapi.dll"), "DwmFlush", function);
    return function;
  }();
  // Fails where there is no compositor, with nothing to wait for.
  if (flush) flush();
}

// SPI_GETSELECTIONFADE: the chosen item "remains on the screen briefly while
// fading out after the menu is dismissed"; the system's fade takes about a
// third of a second.
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-systemparametersinfow
void WaitForMenuFade() {
  constexpr double kFadeSeconds = 0.35;
  BOOL effects = TRUE, fade = FALSE;
  SystemParametersInfoW(SPI_GETUIEFFECTS, 0, &effects, 0);
  SystemParametersInfoW(SPI_GETSELECTIONFADE, 0, &fade, 0);
  if (effects && fade) Delay(kFadeSeconds);
  WaitForCompositor();
}

// DWMWA_TRANSITIONS_FORCEDISABLED:
// https://learn.microsoft.com/windows/win32/api/dwmapi/ne-dwmapi-dwmwindowattribute
void DisableWindowTransitions(HWND window) {
  static const auto set = [] {
    HRESULT(WINAPI * function)(HWND, DWORD, LPCVOID, DWORD) = nullptr;
    LookUp(LoadSystemLibrary(L"dwmapi.dll"), "DwmSetWindowAttribute", function);
    return function;
  }();
  const BOOL disabled = TRUE;
  constexpr DWORD kTransitionsForceDisabled = 3;  // DWMWA_TRANSITIONS_FORCEDISABLED
  // Fails where there is no compositor, where nothing fades anyway.
  if (set && window) set(window, kTransitionsForceDisabled, &disabled, sizeof disabled);
}

}  // namespace ui
