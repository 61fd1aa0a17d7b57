#pragma once
// Hot-key descriptions ("Ctrl+Alt,67": modifiers, comma, decimal key code)
// and the bookkeeping of the replaced window procedure that receives the
// hot-key message.

#include <string_view>

namespace hotkeys {

// The system's modifier flags for RegisterHotKey.
inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModControl = 2;
inline constexpr unsigned kModShift = 4;
inline constexpr unsigned kModNoRepeat = 0x4000;

struct HotKeyDescription {
  unsigned modifiers = 0;
  unsigned keyCode = 0;
  bool operator==(const HotKeyDescription&) const = default;
};

// Flags of a modifier text; only the exact texts of the table count, any
// other text (another order, lower case, blanks) means no modifier.
unsigned ModifierFlags(std::wstring_view text);

// Splits at the first comma; without one, the whole text is the key code.
// The key code is the decimal number the text starts with (blanks before it
// allowed); anything else, or a number past 65535, reads as 0.
HotKeyDescription ParseHotKeyDescription(std::wstring_view description);

// What RegisterHotKey is given for a description: its modifiers with
// MOD_NOREPEAT added, so that a held key runs its command once rather than
// at the keyboard's repeat rate, and its key code.
HotKeyDescription RegistrationOf(std::wstring_view description);

// The bar's two hot keys, in the order they are registered.
inline constexpr int kAreaCaptureId = 1;        // Ctrl+Alt+C, the area picker
inline constexpr int kFullScreenCaptureId = 2;  // Ctrl+Alt+V, the full-screen capture
struct CaptureHotKey {
  int id;
  std::wstring_view description;
};
inline constexpr CaptureHotKey kCaptureHotKeys[] = {{kAreaCaptureId, L"Ctrl+Alt,67"},
                                                    {kFullScreenCaptureId, L"Ctrl+Alt,86"}};

enum class HotKeyAction { Add, Del, Unknown };
HotKeyAction ParseHotKeyAction(std::wstring_view action);

// One SetHotKey call's effect on the main window, in the order the steps run.
struct HookSteps {
  bool install = false;     // remember the window's procedure, put ours in
  bool registerKey = false;
  bool restore = false;     // put the remembered procedure back
  bool unregisterKey = false;
  bool operator==(const HookSteps&) const = default;
};

// Whether the replaced procedure is on the main window. An "Add" installs it
// when it is not; a "Del" takes it off for every hot key, and a following
// "Del" installs it once more only to take it off at once, so the window
// ends with the procedure it had before the first "Add". The procedure is
// never installed over itself.
class HookState {
 public:
  HookSteps Apply(HotKeyAction action);
  bool Hooked() const { return hooked_; }

 private:
  bool hooked_ = false;
};

}  // namespace hotkeys
