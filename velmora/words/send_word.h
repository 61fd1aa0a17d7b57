#pragma once
// Sending a chosen word to the window the user worked in last (Windows).

#include <windows.h>

#include <string_view>

#include "velmora/words/keystroke.h"

namespace words {

// Puts the word on the clipboard (its previous content discarded; an empty
// word leaves empty text), brings `target` to the top, waits half a second
// while window events keep flowing (the popup menu closes, the target
// becomes active, timers tick), then types the word into the window that has
// the keyboard focus. No target, a closed target or a busy clipboard are not
// reported; a typing failure never ends the program, and the clipboard still
// holds the word for pasting. Where that window's process outranks ours, so
// that Windows would drop the keys, nothing is typed and the guard tells the
// user to paste. `clipboardOwner` is the bar's window.
void SendWord(HWND target, std::wstring_view word, HWND clipboardOwner = nullptr, const TypingGuard& guard = {});

}  // namespace words
