#include "velmora/words/send_word.h"

#include <string>

#include "ui/system.h"
#include "ui/window.h"
#include "velmora/words/typing_guard.h"

namespace words {

void SendWord(HWND target, std::wstring_view word, HWND clipboardOwner, const TypingGuard& guard) {
  try {
    // Copied first: the wait below runs other handlers, which may rebuild the
    // menu the word came from.
    const std::wstring text(word);
    ui::SetClipboardText(clipboardOwner, text);  // a busy clipboard is not reported
    BringWindowToTop(target);                    // fails quietly without a target
    ui::Delay(0.5);
    if (guard.outranksUs && guard.outranksUs(KeysReceiver(target))) {
      if (guard.tell) guard.tell(std::wstring(kPasteInsteadNotice));
      return;
    }
    TypeKeystrokes(text);
  } catch (...) {
    // Out of memory for a huge word: the word is simply not typed.
  }
}

}  // namespace words
