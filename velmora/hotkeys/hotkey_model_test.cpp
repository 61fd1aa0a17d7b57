// Hot-key descriptions, what RegisterHotKey is given, and the hook's steps.
#include "velmora/hotkeys/hotkey_model.h"

#include <gtest/gtest.h>

#include <string>

namespace hotkeys {
namespace {

TEST(HotKeyDescription, ExactModifierTextsThenTheLeadingDecimalKeyCode) {
  const std::pair<std::wstring, HotKeyDescription> rows[] = {
      {L"Alt,67", {1, 67}}, {L"Ctrl,67", {2, 67}}, {L"Ctrl+Alt,67", {3, 67}}, {L"Shift,67", {4, 67}},
      {L"Shift+Alt,67", {5, 67}}, {L"Ctrl+Shift,67", {6, 67}}, {L"Ctrl+Alt+Shift,67", {7, 67}},
      // Another order, case or spacing means no modifier; without a comma the
      // whole text is the key code, the leading decimal number up to 65535.
      {L"Alt+Ctrl,67", {0, 67}}, {L"ctrl+alt,67", {0, 67}}, {L"Ctrl+Alt ,67", {0, 67}}, {L",67", {0, 67}},
      {L"67", {0, 67}}, {L"", {0, 0}}, {L"Ctrl+Alt", {0, 0}}, {L"Ctrl, 86", {2, 86}}, {L"Ctrl,86abc", {2, 86}},
      {L"Ctrl,V", {2, 0}}, {L"Ctrl,86,67", {2, 86}}, {L"Ctrl,-86", {2, 0}}, {L"Ctrl,99999999999999999999", {2, 0}},
      {L"Ctrl,90", {2, 90}}, {L"Ctrl,65535", {2, 65535}}, {L"Ctrl,65536", {2, 0}},
  };
  for (const auto& [text, parsed] : rows)
    EXPECT_EQ(ParseHotKeyDescription(text), parsed) << ::testing::PrintToString(text);
  EXPECT_EQ(std::tuple(ParseHotKeyAction(L"Add"), ParseHotKeyAction(L"Del"), ParseHotKeyAction(L"add")),
            std::tuple(HotKeyAction::Add, HotKeyAction::Del, HotKeyAction::Unknown));
}

TEST(HotKeyRegistration, BothKeysAreRegisteredWithoutAutoRepeat) {
  ASSERT_EQ(std::size(kCaptureHotKeys), 2u);
  EXPECT_EQ(std::pair(kCaptureHotKeys[0].id, kCaptureHotKeys[1].id), std::pair(1, 2));  // 1: the area, 2: the screen
  EXPECT_EQ(RegistrationOf(kCaptureHotKeys[0].description), (HotKeyDescription{kModControl | kModAlt | kModNoRepeat, 'C'}));
  EXPECT_EQ(RegistrationOf(kCaptureHotKeys[1].description), (HotKeyDescription{kModControl | kModAlt | kModNoRepeat, 'V'}));
}

TEST(HookState, InstalledOnlyWhenNotHookedAndDelAlwaysRestores) {
  HookState state;
  // Each action, the steps it takes (install, register, restore, unregister) and whether hooked after.
  const struct { HotKeyAction action; HookSteps steps; bool hooked; } rows[] = {
      {HotKeyAction::Unknown, {false, false, false, false}, false},
      {HotKeyAction::Add, {true, true, false, false}, true},
      {HotKeyAction::Add, {false, true, false, false}, true},  // never over itself
      {HotKeyAction::Unknown, {false, false, false, false}, true},
      {HotKeyAction::Del, {false, false, true, true}, false},
      // Installed once more only to come off at once: the window ends with
      // the procedure it had before the first Add.
      {HotKeyAction::Del, {true, false, true, true}, false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(state.Apply(row.action), row.steps) << "row " << &row - rows;
    EXPECT_EQ(state.Hooked(), row.hooked) << "row " << &row - rows;
  }
}

}  // namespace
}  // namespace hotkeys
