// Fuzz target: any description text and any action word must parse to a
// key code within range, and any run of actions must leave the hook state
// consistent with the steps it reported.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "velmora/hotkeys/hotkey_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
  }
  const auto description = hotkeys::ParseHotKeyDescription(text);
  if (description.keyCode > 0xFFFF) std::abort();
  if (description.modifiers & ~(hotkeys::kModAlt | hotkeys::kModControl | hotkeys::kModShift)) std::abort();

  // Each code unit is also an action: the hook is on exactly when the last
  // known action was an Add, and a Del always restores what an Add put in.
  hotkeys::HookState state;
  bool expectHooked = false;
  for (const wchar_t c : text) {
    const std::wstring_view word = (c & 3) == 0 ? L"Add" : (c & 3) == 1 ? L"Del" : std::wstring_view(&c, 1);
    const auto action = hotkeys::ParseHotKeyAction(word);
    const auto steps = state.Apply(action);
    if (action == hotkeys::HotKeyAction::Add) {
      if (steps.install == expectHooked || !steps.registerKey) std::abort();
      expectHooked = true;
    } else if (action == hotkeys::HotKeyAction::Del) {
      if (!steps.restore || !steps.unregisterKey) std::abort();
      expectHooked = false;
    }
    if (state.Hooked() != expectHooked) std::abort();
  }
  return 0;
}
