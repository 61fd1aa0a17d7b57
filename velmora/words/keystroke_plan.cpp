#include "velmora/words/keystroke_plan.h"

namespace words {
namespace {

bool IsHighSurrogate(std::uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(std::uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

void KeyStroke::Press(KeyEvent::Kind kind, std::uint16_t code) {
  events[count++] = {kind, code, false};
  events[count++] = {kind, code, true};
}

std::optional<KeyStroke> NextKeystroke(std::wstring_view text, std::size_t& position) {
  using enum KeyEvent::Kind;
  while (position < text.size()) {
    const auto unit = static_cast<std::uint32_t>(text[position++]);
    KeyStroke stroke;
    if (unit == L'\t') {
      stroke.Press(VirtualKey, kVirtualKeyTab);
    } else if (unit == L'\r' || unit == L'\n') {
      if (unit == L'\r' && position < text.size() && text[position] == L'\n') ++position;
      stroke.Press(VirtualKey, kVirtualKeyReturn);
    } else if (unit < 0x20 || unit == 0x7F) {
      continue;
    } else if (unit > 0xFFFF) {  // a whole code point (wchar_t is 32 bits off Windows)
      stroke.Press(Unicode, static_cast<std::uint16_t>(0xD800 + ((unit - 0x10000) >> 10)));
      stroke.Press(Unicode, static_cast<std::uint16_t>(0xDC00 + ((unit - 0x10000) & 0x3FF)));
    } else if (IsHighSurrogate(unit) && position < text.size() && IsLowSurrogate(text[position])) {
      stroke.Press(Unicode, static_cast<std::uint16_t>(unit));
      stroke.Press(Unicode, static_cast<std::uint16_t>(text[position++]));
    } else {
      stroke.Press(Unicode, static_cast<std::uint16_t>(unit));
    }
    return stroke;
  }
  return std::nullopt;
}

std::vector<KeyStroke> KeystrokePlan(std::wstring_view text) {
  std::vector<KeyStroke> plan;
  std::size_t position = 0;
  while (const auto stroke = NextKeystroke(text, position)) plan.push_back(*stroke);
  return plan;
}

}  // namespace words
