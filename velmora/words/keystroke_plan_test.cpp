#include "velmora/words/keystroke_plan.h"

#include <gtest/gtest.h>

#include <string>

using words::KeyEvent;
using words::KeystrokePlan;
using Kind = KeyEvent::Kind;

namespace {

// The characters the plan types, one UTF-16 unit per key-down event.
std::u16string Typed(std::wstring_view text) {
  std::u16string typed;
  for (const auto& stroke : KeystrokePlan(text)) {
    for (const auto& e : stroke) {
      if (e.keyUp) continue;
      typed.push_back(e.kind == Kind::Unicode ? e.code : (e.code == words::kVirtualKeyTab ? u'\t' : u'\n'));
    }
  }
  return typed;
}

}  // namespace

TEST(KeystrokePlan, EveryCharacterIsOneUnicodeDownAndUp) {
  const auto plan = KeystrokePlan(L"Ω中");
  ASSERT_EQ(plan.size(), 2u);
  ASSERT_EQ(plan[0].count, 2u);
  EXPECT_EQ(plan[0].events[0], (KeyEvent{Kind::Unicode, 0x3A9, false}));
  EXPECT_EQ(plan[0].events[1], (KeyEvent{Kind::Unicode, 0x3A9, true}));
  EXPECT_EQ(plan[1].events[0].code, 0x4E2D);
}

TEST(KeystrokePlan, KeyNotationCharactersAreTypedLiterally) {
  const std::wstring text = L"%{F4}+^~(a){";
  EXPECT_EQ(Typed(text), u"%{F4}+^~(a){");
  for (const auto& stroke : KeystrokePlan(text)) {
    for (const auto& e : stroke) EXPECT_EQ(e.kind, Kind::Unicode);
  }
}

TEST(KeystrokePlan, SurrogatePairIsOneStrokeOfBothHalves) {
  const std::wstring pair = sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD835), wchar_t(0xDC00)}
                                                 : std::wstring{wchar_t(0x1D400)};
  const auto plan = KeystrokePlan(L"a" + pair + L"b");
  ASSERT_EQ(plan.size(), 3u);
  ASSERT_EQ(plan[1].count, 4u);
  EXPECT_EQ(plan[1].events, (std::array<KeyEvent, 4>{KeyEvent{Kind::Unicode, 0xD835, false},
                                                     KeyEvent{Kind::Unicode, 0xD835, true},
                                                     KeyEvent{Kind::Unicode, 0xDC00, false},
                                                     KeyEvent{Kind::Unicode, 0xDC00, true}}));
}

TEST(KeystrokePlan, LoneSurrogateHalvesAreStillTyped) {
  const std::wstring text{wchar_t(0xDC00), L'x', wchar_t(0xD835)};
  EXPECT_EQ(Typed(text), (std::u16string{0xDC00, u'x', 0xD835}));
}

TEST(KeystrokePlan, TabIsTheTabKeyAndEachLineEndOneEnter) {
  const auto plan = KeystrokePlan(L"a\tb");
  ASSERT_EQ(plan.size(), 3u);
  ASSERT_EQ(plan[1].count, 2u);
  EXPECT_EQ(plan[1].events[0], (KeyEvent{Kind::VirtualKey, words::kVirtualKeyTab, false}));
  EXPECT_EQ(plan[1].events[1], (KeyEvent{Kind::VirtualKey, words::kVirtualKeyTab, true}));
  EXPECT_EQ(Typed(L"1\r\n2\n3\r4\n\r5"), u"1\n2\n3\n4\n\n5");
}

TEST(KeystrokePlan, WalkingStopsAtTheEndEvenAfterLeftOutCharacters) {
  const std::wstring text{L'a', 0x16};
  std::size_t position = 0;
  EXPECT_TRUE(words::NextKeystroke(text, position).has_value());
  EXPECT_FALSE(words::NextKeystroke(text, position).has_value());
  EXPECT_EQ(position, text.size());
}

TEST(KeystrokePlan, EditingControlCharactersAreLeftOut) {
  const std::wstring text{L'a', 0x16, 0x08, 0x01, L'\0', 0x1B, 0x7F, L'b'};
  EXPECT_EQ(Typed(text), u"ab");
  EXPECT_TRUE(KeystrokePlan(L"").empty());
}
