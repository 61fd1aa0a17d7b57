#include "velmora/hotkeys/hotkey_model.h"

#include <array>
#include <utility>

namespace hotkeys {
namespace {

constexpr std::array<std::pair<std::wstring_view, unsigned>, 7> kModifierTable{{
    {L"Alt", kModAlt},
    {L"Ctrl", kModControl},
    {L"Ctrl+Alt", kModControl | kModAlt},
    {L"Shift", kModShift},
    {L"Shift+Alt", kModShift | kModAlt},
    {L"Ctrl+Shift", kModControl | kModShift},
    {L"Ctrl+Alt+Shift", kModControl | kModAlt | kModShift},
}};

constexpr unsigned kLargestKeyCode = 0xFFFF;

unsigned ReadKeyCode(std::wstring_view text) {
  std::size_t i = text.find_first_not_of(L" \t");
  if (i == std::wstring_view::npos) return 0;
  unsigned value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = value * 10 + static_cast<unsigned>(text[i] - L'0');
    if (value > kLargestKeyCode) return 0;
  }
  return value;
}

}  // namespace

unsigned ModifierFlags(std::wstring_view text) {
  for (const auto& [name, flags] : kModifierTable) {
    if (name == text) return flags;
  }
  return 0;
}

HotKeyDescription ParseHotKeyDescription(std::wstring_view description) {
  const std::size_t comma = description.find(L',');
  if (comma == std::wstring_view::npos) return {0, ReadKeyCode(description)};
  return {ModifierFlags(description.substr(0, comma)), ReadKeyCode(description.substr(comma + 1))};
}

HotKeyDescription RegistrationOf(std::wstring_view description) {
  HotKeyDescription parsed = ParseHotKeyDescription(description);
  parsed.modifiers |= kModNoRepeat;
  return parsed;
}

HotKeyAction ParseHotKeyAction(std::wstring_view action) {
  if (action == L"Add") return HotKeyAction::Add;
  if (action == L"Del") return HotKeyAction::Del;
  return HotKeyAction::Unknown;
}

HookSteps HookState::Apply(HotKeyAction action) {
  HookSteps steps;
  // An action other than the two known ones leaves the window alone, so the
  // hook state never says "not hooked" while the procedure is installed.
  if (action == HotKeyAction::Unknown) return steps;
  steps.install = !hooked_;
  if (action == HotKeyAction::Add) {
    steps.registerKey = true;
    hooked_ = true;
  } else {
    steps.restore = true;
    steps.unregisterKey = true;
    hooked_ = false;
  }
  return steps;
}

}  // namespace hotkeys
