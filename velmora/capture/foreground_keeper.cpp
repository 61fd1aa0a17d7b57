#include "velmora/capture/foreground_keeper.h"

#include <cstdint>

#include "velmora/capture/foreground_return.h"

namespace capture {
namespace {

std::uintptr_t Id(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

}  // namespace

void ForegroundKeeper::GiveBack(HWND self) const {
  const HWND w = workedIn_;
  const bool usable = w && IsWindow(w) && IsWindowVisible(w) && !IsIconic(w) && IsWindowEnabled(w);
  // Done while the capture window still stands, so the activation goes
  // straight to that window and never through the bar. The foreground
  // process may move the foreground, and this one is it while its window is
  // active; the window activated gets the keyboard input ("SetForegroundWindow
  // function", Microsoft Learn).
  if (WindowToActivate({Id(self), Id(GetForegroundWindow()), Id(w), usable})) SetForegroundWindow(w);
}

}  // namespace capture
