#pragma once
// Which window takes the activation back when a capture window closes. The
// capture windows are top-most, and a closing window that is active hands
// the activation to the next window in the z-order: another top-most one,
// the bar. The keys typed next would then go to the bar instead of to the
// window the user worked in before the capture.

#include <cstdint>

namespace capture {

// Windows by their handles' values; 0 is none.
struct ClosingWindow {
  std::uintptr_t self = 0;        // the capture window that closes
  std::uintptr_t foreground = 0;  // the foreground window as it closes
  std::uintptr_t workedIn = 0;    // the window in front when it opened
  bool workedInUsable = false;    // that one still exists, shown, not minimised, enabled
};

// The window to activate before the capture window goes, or 0 to leave it to
// the system: the user has gone on to another window meanwhile, or the one
// worked in cannot take the activation any more.
std::uintptr_t WindowToActivate(const ClosingWindow& closing);

}  // namespace capture
