#include "velmora/app/lifetime_watch.h"

#include <vector>

#include "velmora/app/program_lifetime.h"

namespace velmora {
namespace {

struct Survey {
  HWND closing;
  std::vector<TopLevelWindow> windows;
};

bool OfProgramClass(HWND window) {
  return reinterpret_cast<HMODULE>(GetClassLongPtrW(window, GCLP_HMODULE)) == GetModuleHandleW(nullptr);
}

BOOL CALLBACK Collect(HWND window, LPARAM param) {
  auto* survey = reinterpret_cast<Survey*>(param);
  survey->windows.push_back({OfProgramClass(window), IsHelperWindow(window), window == survey->closing});
  return TRUE;
}

LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_DESTROYWND) {
    const HWND closing = reinterpret_cast<HWND>(wParam);
    if (!(GetWindowLongPtrW(closing, GWL_STYLE) & WS_CHILD)) {
      // The mark goes with the window.
      RemovePropW(closing, L"Velmora.HelperWindow");
      Survey survey{closing, {}};
      EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&survey));
      if (!ProgramStaysAlive(survey.windows)) PostQuitMessage(0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

LifetimeWatch::LifetimeWatch() : hook_(SetWindowsHookExW(WH_CBT, Watch, nullptr, GetCurrentThreadId())) {}

LifetimeWatch::~LifetimeWatch() {
  if (hook_) UnhookWindowsHookEx(hook_);
}

}  // namespace velmora
