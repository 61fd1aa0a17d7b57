#pragma once
// How a text becomes key events for the window that has the keyboard focus.
//
// Every character is typed literally as a Unicode key event, so Chinese,
// Greek and symbols arrive without any input method, and "+ ^ % ~ { } ( )"
// are plain characters, never key names or modifiers. A character outside
// the basic plane goes as its two surrogate halves in one stroke (one
// SendInput call), so nothing can come between them. A tab is the Tab key;
// CR LF, a lone CR and a lone LF are one Enter key each. Other control
// characters are left out: as characters they reach an edit control as its
// editing commands (0x16 pastes, 0x08 erases, 0x01 selects all).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace words {

struct KeyEvent {
  enum class Kind { Unicode, VirtualKey };
  Kind kind = Kind::Unicode;
  std::uint16_t code = 0;  // a UTF-16 unit, or a virtual-key code
  bool keyUp = false;

  friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

inline constexpr std::uint16_t kVirtualKeyTab = 0x09;     // VK_TAB
inline constexpr std::uint16_t kVirtualKeyReturn = 0x0D;  // VK_RETURN

// The events of one stroke are handed to the system together: a key's down
// and up, or both halves of a surrogate pair.
struct KeyStroke {
  std::array<KeyEvent, 4> events{};
  std::size_t count = 0;

  void Press(KeyEvent::Kind kind, std::uint16_t code);
  const KeyEvent* begin() const { return events.data(); }
  const KeyEvent* end() const { return events.data() + count; }
  friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// The stroke for the text at `position`, which moves past the characters it
// covers; nothing once the text is used up. Typing walks the text with this,
// so even a huge text needs no plan in memory.
std::optional<KeyStroke> NextKeystroke(std::wstring_view text, std::size_t& position);

// All strokes of a text.
std::vector<KeyStroke> KeystrokePlan(std::wstring_view text);

}  // namespace words
