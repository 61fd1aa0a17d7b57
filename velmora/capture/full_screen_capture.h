#pragma once
// Capture mode 1, as the "抓" button and Ctrl+Alt+V run it: the shared,
// never-shown viewer captures the screen, then a new viewer takes that
// picture while hidden and is shown top-most.

#include <cstddef>

#include "velmora/capture/hidden_helper.h"
#include "velmora/capture/viewer_window.h"

namespace capture {

// Returns the new viewer (owned here; it lives until its window closes), or
// nullptr when no window could be made or the screen could not be read (a
// notice near the bar then says so).
// Closed, it leaves `workedIn` (null: the foreground window now) in front.
ViewerWindow* RunFullScreenCapture(HWND workedIn = nullptr);

// Viewers whose windows are still open (the shared hidden one not counted).
std::size_t OpenViewerCount();

}  // namespace capture
