#pragma once
// Typing a text into the window that has the keyboard focus, as if the user
// typed it (Windows). Used by SendWord and by the statement window.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace words {

// Hands the text's key events (see keystroke_plan.h) to SendInput, one stroke
// per call, without waiting for the target to process them. Returns whether
// the system took every event; a refused stroke (another desktop in front)
// is skipped and typing goes on.
bool TypeKeystrokes(std::wstring_view text);

// Whether keys typed into the window would be dropped because its process
// outranks ours (see typing_guard.h).
bool WindowOutranksUs(HWND window);

// What the typists check before typing: whether the window that would receive
// the keys outranks us, and how the user is then told to paste instead.
struct TypingGuard {
  std::function<bool(HWND window)> outranksUs = WindowOutranksUs;
  std::function<void(const std::wstring& notice)> tell;
};

// The window the keys will reach: the foreground window (its focus), or the
// target where nothing is in the foreground.
HWND KeysReceiver(HWND target);

}  // namespace words
