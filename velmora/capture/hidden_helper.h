#pragma once
// The program decides what keeps it running; capture only tells it which of
// its windows are never shown to the user (the shared viewer, shot windows).
// The program hands in how such a window is marked; without it nothing is.

#include <windows.h>

#include <functional>

namespace capture {

void SetHiddenHelperMark(std::function<void(HWND)> mark);
void MarkHiddenHelper(HWND window);

}  // namespace capture
