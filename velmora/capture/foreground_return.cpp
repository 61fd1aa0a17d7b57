#include "velmora/capture/foreground_return.h"

namespace capture {

std::uintptr_t WindowToActivate(const ClosingWindow& c) {
  // Only the active window passes the activation on as it closes.
  const bool active = c.self != 0 && c.foreground == c.self;
  // None worked in (0) is returned as it is: nothing to activate.
  if (!active || c.workedIn == c.self || !c.workedInUsable) return 0;
  return c.workedIn;
}

}  // namespace capture
