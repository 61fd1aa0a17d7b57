// The functions Windows 7 lacks: found where the system has them, and where
// it has none each stand-in gives what Windows 7 itself gives.
#include <gtest/gtest.h>

#include <vector>

#include "ui/handles.h"
#include "ui/os_functions.h"

namespace {

TEST(NewerFunctions, LookedUpWhereTheSystemHasThemAndStoodInForWhereNot) {
  const HMODULE shcore = LoadLibraryW(L"shcore.dll");
  // A module without any of them stands for Windows 7's user32 and for the
  // user32 of Windows 8.1, which has the monitor DPI of shcore only.
  const ui::NewerFunctions absent(GetModuleHandleW(L"kernel32.dll"));
  const ui::NewerFunctions windows81(GetModuleHandleW(L"kernel32.dll"), shcore);
  const ui::WindowDc screen(nullptr);
  const UINT screenDpi = static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSX));
  RECT framed{0, 0, 200, 100};
  AdjustWindowRectEx(&framed, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_TOOLWINDOW);

  const struct { const char* system; const ui::NewerFunctions& f; bool found, foundShcore; } cases[] = {
      {"each monitor's DPI, with a user32 like 1703's", ui::MonitorFunctions(), true, true},
      {"Windows 8.1", windows81, false, true}, {"Windows 7", absent, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.system);
    const std::vector<bool> entries{!!c.f.getDpiForSystem, !!c.f.getDpiForWindow, !!c.f.adjustWindowRectExForDpi,
                                    !!c.f.getSystemMetricsForDpi, !!c.f.setThreadDpiAwarenessContext,
                                    !!c.f.setProcessDpiAwarenessContext, !!c.f.getWindowDpiAwarenessContext,
                                    !!c.f.getAwarenessFromDpiAwarenessContext};
    EXPECT_EQ(entries, std::vector<bool>(8, c.found));
    EXPECT_EQ(c.f.getDpiForMonitor && c.f.setProcessDpiAwareness, c.foundShcore);
    EXPECT_EQ(ui::MonitorDpi(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), c.f), screenDpi);
    EXPECT_EQ(ui::SystemDpi(c.f), screenDpi);
    EXPECT_EQ(ui::WindowDpi(GetDesktopWindow(), c.f), screenDpi);
    RECT r{0, 0, 200, 100};
    ui::AdjustWindowRectForDpi(r, WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, screenDpi, c.f);
    EXPECT_TRUE(EqualRect(&r, &framed));
    EXPECT_EQ(ui::SystemMetricForDpi(SM_CYSMICON, screenDpi, c.f), GetSystemMetrics(SM_CYSMICON));
  }
  EXPECT_EQ(ui::SetThreadDpiAwareness(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, absent), nullptr);
}

}  // namespace
