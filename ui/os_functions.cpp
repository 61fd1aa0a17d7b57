#include "ui/os_functions.h"

#include <string>

#include "ui/handles.h"

namespace ui {
namespace {

template <typename Function>
void LookUp(HMODULE module, const char* name, Function& to) {
  // GetProcAddress returns a generic function pointer; the detour through
  // void* keeps the compiler from warning about the cast to the real type.
  to = module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

NewerFunctions::NewerFunctions(HMODULE user32) {
  LookUp(user32, "GetDpiForSystem", getDpiForSystem);
  LookUp(user32, "GetDpiForWindow", getDpiForWindow);
  LookUp(user32, "AdjustWindowRectExForDpi", adjustWindowRectExForDpi);
  LookUp(user32, "GetSystemMetricsForDpi", getSystemMetricsForDpi);
  LookUp(user32, "SetThreadDpiAwarenessContext", setThreadDpiAwarenessContext);
  LookUp(user32, "SetProcessDpiAwarenessContext", setProcessDpiAwarenessContext);
}

const NewerFunctions& SystemFunctions() {
  // user32 stays loaded for the life of every program that has a window.
  static const NewerFunctions functions(GetModuleHandleW(L"user32.dll"));
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
  const UINT dpi = window && f.getDpiForWindow ? f.getDpiForWindow(window) : 0;
  return dpi ? dpi : SystemDpi(f);
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
  return SetProcessDPIAware() != FALSE;
}

void WaitForCompositor() {
  // Loaded when first needed, so that programs that never wait start without
  // it; it stays loaded for the life of the program.
  // By its full path in the system folder: LOAD_LIBRARY_SEARCH_SYSTEM32 is
  // refused by a Windows 7 without its loader update.
  static const auto flush = [] {
    HRESULT(WINAPI * function)() = nullptr;
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
      LookUp(LoadLibraryW((std::wstring(folder, length) + L"\\dwmapi.dll").c_str()), "DwmFlush", function);
    }
    return function;
  }();
  // Fails where there is no compositor, with nothing to wait for.
  if (flush) flush();
}

}  // namespace ui
