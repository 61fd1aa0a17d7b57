#include "velmora/hotkeys/hotkey_model.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace hotkeys;

TEST(HotKeyDescription, EveryRowOfTheModifierTable) {
  EXPECT_EQ(ParseHotKeyDescription(L"Alt,67"), (HotKeyDescription{1, 67}));
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl,67"), (HotKeyDescription{2, 67}));
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl+Alt,67"), (HotKeyDescription{3, 67}));
  EXPECT_EQ(ParseHotKeyDescription(L"Shift,67"), (HotKeyDescription{4, 67}));
  EXPECT_EQ(ParseHotKeyDescription(L"Shift+Alt,67"), (HotKeyDescription{5, 67}));
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl+Shift,67"), (HotKeyDescription{6, 67}));
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl+Alt+Shift,67"), (HotKeyDescription{7, 67}));
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl+Alt,86"), (HotKeyDescription{3, 86}));
}

TEST(HotKeyDescription, OtherModifierTextsMeanNoModifier) {
  EXPECT_EQ(ParseHotKeyDescription(L"Alt+Ctrl,67"), (HotKeyDescription{0, 67}));
  EXPECT_EQ(ParseHotKeyDescription(L"ctrl+alt,67"), (HotKeyDescription{0, 67}));
  EXPECT_EQ(ParseHotKeyDescription(L"Shift+Ctrl,67"), (HotKeyDescription{0, 67}));
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl+Alt ,67"), (HotKeyDescription{0, 67}));
  EXPECT_EQ(ParseHotKeyDescription(L",67"), (HotKeyDescription{0, 67}));
}

TEST(HotKeyDescription, WithoutCommaTheWholeTextIsTheKeyCode) {
  EXPECT_EQ(ParseHotKeyDescription(L"67"), (HotKeyDescription{0, 67}));
  EXPECT_EQ(ParseHotKeyDescription(L""), (HotKeyDescription{0, 0}));
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl+Alt"), (HotKeyDescription{0, 0}));
}

TEST(HotKeyDescription, KeyCodeIsTheLeadingDecimalNumberAfterTheFirstComma) {
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl, 86"), (HotKeyDescription{2, 86}));
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl,86abc"), (HotKeyDescription{2, 86}));
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl,V"), (HotKeyDescription{2, 0}));
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl,86,67"), (HotKeyDescription{2, 86}));
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl,-86"), (HotKeyDescription{2, 0}));
  EXPECT_EQ(ParseHotKeyDescription(L"Ctrl,99999999999999999999"), (HotKeyDescription{2, 0}));
}

TEST(HotKeyAction, OnlyTheExactWordsCount) {
  EXPECT_EQ(ParseHotKeyAction(L"Add"), HotKeyAction::Add);
  EXPECT_EQ(ParseHotKeyAction(L"Del"), HotKeyAction::Del);
  EXPECT_EQ(ParseHotKeyAction(L"add"), HotKeyAction::Unknown);
  EXPECT_EQ(ParseHotKeyAction(L""), HotKeyAction::Unknown);
}

namespace {

// A window's procedure slot, driven by the steps the state table gives.
struct FakeWindow {
  static constexpr std::uintptr_t kOriginal = 0x1000;
  static constexpr std::uintptr_t kHook = 0x2000;
  std::uintptr_t procedure = kOriginal;
  std::uintptr_t remembered = 0;
  std::vector<bool> registered = std::vector<bool>(3, false);

  void Run(HookState& state, HotKeyAction action, int id) {
    const HookSteps steps = state.Apply(action);
    if (steps.install) {
      remembered = procedure;
      procedure = kHook;
    }
    if (steps.registerKey) registered[id] = true;
    if (steps.restore) procedure = remembered;
    if (steps.unregisterKey) registered[id] = false;
  }
};

}  // namespace

TEST(HookState, AddAddDelDelLeavesTheOriginalProcedure) {
  HookState state;
  FakeWindow window;
  window.Run(state, HotKeyAction::Add, 1);
  EXPECT_EQ(window.procedure, FakeWindow::kHook);
  window.Run(state, HotKeyAction::Add, 2);
  EXPECT_EQ(window.remembered, FakeWindow::kOriginal);  // not the hook itself
  EXPECT_TRUE(window.registered[1] && window.registered[2]);

  window.Run(state, HotKeyAction::Del, 1);  // takes the hook off for both keys
  EXPECT_EQ(window.procedure, FakeWindow::kOriginal);
  EXPECT_FALSE(state.Hooked());
  EXPECT_TRUE(window.registered[2]);

  window.Run(state, HotKeyAction::Del, 2);
  EXPECT_EQ(window.procedure, FakeWindow::kOriginal);
  EXPECT_EQ(window.remembered, FakeWindow::kOriginal);
  EXPECT_FALSE(window.registered[1] || window.registered[2]);
}

TEST(HookState, InstalledOnlyWhenNotHookedAndNeverOverItself) {
  HookState state;
  EXPECT_EQ(state.Apply(HotKeyAction::Add), (HookSteps{true, true, false, false}));
  EXPECT_EQ(state.Apply(HotKeyAction::Add), (HookSteps{false, true, false, false}));
  EXPECT_EQ(state.Apply(HotKeyAction::Add), (HookSteps{false, true, false, false}));
  EXPECT_EQ(state.Apply(HotKeyAction::Del), (HookSteps{false, false, true, true}));
  EXPECT_EQ(state.Apply(HotKeyAction::Del), (HookSteps{true, false, true, true}));
  EXPECT_FALSE(state.Hooked());
}

TEST(HookState, UnknownActionsTouchNothing) {
  HookState state;
  FakeWindow window;
  window.Run(state, HotKeyAction::Unknown, 1);
  window.Run(state, HotKeyAction::Unknown, 1);
  EXPECT_EQ(window.procedure, FakeWindow::kOriginal);
  window.Run(state, HotKeyAction::Add, 1);
  window.Run(state, HotKeyAction::Unknown, 1);
  window.Run(state, HotKeyAction::Add, 2);
  EXPECT_EQ(window.remembered, FakeWindow::kOriginal);
}
