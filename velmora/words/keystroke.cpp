#include "velmora/words/keystroke.h"

#include <windows.h>

#include "velmora/words/keystroke_plan.h"

namespace words {
namespace {

INPUT ToInput(const KeyEvent& e) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  if (e.kind == KeyEvent::Kind::Unicode) {
    in.ki.wScan = e.code;
    in.ki.dwFlags = KEYEVENTF_UNICODE;
  } else {
    in.ki.wVk = e.code;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(e.code, MAPVK_VK_TO_VSC));
  }
  if (e.keyUp) in.ki.dwFlags |= KEYEVENTF_KEYUP;
  return in;
}

}  // namespace

bool TypeKeystrokes(std::wstring_view text) {
  bool all = true;
  std::size_t position = 0;
  while (const auto stroke = NextKeystroke(text, position)) {
    INPUT inputs[4]{};
    for (std::size_t i = 0; i < stroke->count; ++i) inputs[i] = ToInput(stroke->events[i]);
    const UINT count = static_cast<UINT>(stroke->count);
    if (SendInput(count, inputs, sizeof(INPUT)) != count) all = false;
  }
  return all;
}

}  // namespace words
