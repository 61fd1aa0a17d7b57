#pragma once
// Typing a text into the window that has the keyboard focus, as if the user
// typed it (Windows). Used by SendWord and by the statement window.

#include <string_view>

namespace words {

// Hands the text's key events (see keystroke_plan.h) to SendInput, one stroke
// per call, without waiting for the target to process them. Returns whether
// the system took every event; a refused stroke (another desktop in front,
// a higher-integrity target) is skipped and typing goes on.
bool TypeKeystrokes(std::wstring_view text);

}  // namespace words
