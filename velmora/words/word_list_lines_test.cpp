#include "velmora/words/word_list_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using words::SplitListLines;
using Lines = std::vector<std::wstring>;

TEST(WordListLines, EveryLineEndStyleEndsALine) {
  EXPECT_EQ(SplitListLines(L"a\r\nb\r\nc\r\n").lines, (Lines{L"a", L"b", L"c"}));
  EXPECT_EQ(SplitListLines(L"a\nb\nc\n").lines, (Lines{L"a", L"b", L"c"}));
  EXPECT_EQ(SplitListLines(L"a\rb\rc\r").lines, (Lines{L"a", L"b", L"c"}));
  EXPECT_EQ(SplitListLines(L"a\r\nb\nc\rd").lines, (Lines{L"a", L"b", L"c", L"d"}));
}

TEST(WordListLines, LastLineWithoutLineEndIsRead) {
  EXPECT_EQ(SplitListLines(L"Q245R\r\nQ345R").lines, (Lines{L"Q245R", L"Q345R"}));
  EXPECT_EQ(SplitListLines(L"only").lines, (Lines{L"only"}));
}

TEST(WordListLines, EmptyLinesAreEntriesButAFinalLineEndIsNot) {
  EXPECT_EQ(SplitListLines(L"a\r\n\r\nc\r\n").lines, (Lines{L"a", L"", L"c"}));
  EXPECT_EQ(SplitListLines(L"\r\n").lines, (Lines{L""}));
  EXPECT_EQ(SplitListLines(L"\n\n").lines, (Lines{L"", L""}));
  // LF CR is two line ends, not one.
  EXPECT_EQ(SplitListLines(L"a\n\rb").lines, (Lines{L"a", L"", L"b"}));
  EXPECT_EQ(SplitListLines(L"a\r\r\nb").lines, (Lines{L"a", L"", L"b"}));
  EXPECT_TRUE(SplitListLines(L"").lines.empty());
}

TEST(WordListLines, SpacesAndDuplicatesStayAsWritten) {
  EXPECT_EQ(SplitListLines(L"  ±  \r\n±\r\n±").lines, (Lines{L"  ±  ", L"±", L"±"}));
  EXPECT_EQ(SplitListLines(L"a\tb\r\n").lines, (Lines{L"a\tb"}));
}

TEST(WordListLines, LinesPastTheLimitAreLeftOutAndTheOnesBeforeKept) {
  std::wstring text;
  for (int i = 1; i <= 32768; ++i) text += std::to_wstring(i) + L"\r\n";
  const auto all = SplitListLines(text);
  ASSERT_EQ(all.lines.size(), 32767u);
  EXPECT_TRUE(all.truncated);
  EXPECT_EQ(all.lines.front(), L"1");
  EXPECT_EQ(all.lines.back(), L"32767");

  text.resize(text.size() - std::wstring(L"32768\r\n").size());
  const auto exact = SplitListLines(text);
  EXPECT_EQ(exact.lines.size(), 32767u);
  EXPECT_FALSE(exact.truncated);

  const auto small = SplitListLines(L"a\nb\nc", 2);
  EXPECT_EQ(small.lines, (Lines{L"a", L"b"}));
  EXPECT_TRUE(small.truncated);
  // The limit reached just at the end of the text is not a cut.
  EXPECT_FALSE(SplitListLines(L"a\nb\n", 2).truncated);
}
