#include "velmora/words/list_menu.h"

#include <gtest/gtest.h>

using words::Ampersands;
using words::ListMenuItems;
using words::MenuCaption;

TEST(ListMenu, ThreeLinesGiveThreeItemsInFileOrder) {
  const auto items = ListMenuItems({L"Φ", L"±", L"Φ"}, L"符号文字1");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].caption, L"Φ");
  EXPECT_EQ(items[1].value, L"±");
  EXPECT_EQ(items[2].caption, L"Φ");  // duplicates stay
}

TEST(ListMenu, NoLinesLeaveElementOneWithItsDefaultCaption) {
  const auto items = ListMenuItems({}, L"符号文字1");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].caption, L"符号文字1");
  EXPECT_EQ(items[0].value, L"符号文字1");  // choosing it types the caption
  EXPECT_FALSE(items[0].separator);

  const auto blank = ListMenuItems({}, L"");
  ASSERT_EQ(blank.size(), 1u);
  EXPECT_EQ(blank[0].value, L"");
}

TEST(ListMenu, EmptyLineIsAChoosableEmptyItemAndDashIsASeparator) {
  const auto items = ListMenuItems({L"", L"-", L"--", L" -"}, L"x");
  EXPECT_FALSE(items[0].separator);
  EXPECT_EQ(items[0].value, L"");
  EXPECT_TRUE(items[1].separator);
  EXPECT_FALSE(items[2].separator);
  EXPECT_FALSE(items[3].separator);
  EXPECT_EQ(items[3].value, L" -");
}

TEST(ListMenu, AmpersandsShowAsWrittenWhileTheClickHandsOnTheLine) {
  const auto items = ListMenuItems({L"A&B", L"&", L"&&", L"R&D&"}, L"x");
  EXPECT_EQ(items[0].caption, L"A&&B");
  EXPECT_EQ(items[0].value, L"A&B");
  EXPECT_EQ(items[1].caption, L"&&");
  EXPECT_EQ(items[2].caption, L"&&&&");
  EXPECT_EQ(items[3].caption, L"R&&D&&");
  EXPECT_EQ(items[3].value, L"R&D&");
}

TEST(ListMenu, AccessKeyConventionPassesTheLineUnchanged) {
  EXPECT_EQ(MenuCaption(L"A&B", Ampersands::AccessKey), L"A&B");
  const auto items = ListMenuItems({L"A&B"}, L"x", Ampersands::AccessKey);
  EXPECT_EQ(items[0].caption, L"A&B");
  EXPECT_EQ(items[0].value, L"A&B");
}

TEST(ListMenu, NulInALineCannotCutTheCaptionShort) {
  const std::wstring line{L'a', L'\0', L'b'};
  const auto items = ListMenuItems({line}, L"x");
  EXPECT_EQ(items[0].caption, (std::wstring{L'a', 0xFFFD, L'b'}));
  EXPECT_EQ(items[0].value, line);
}
