// The statement window's rules as tables: its own title, the target, the
// title cut, file paths and resizing.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "velmora/input/input_model.h"

namespace velmora::input {
namespace {

const std::wstring kCaption(kInputCaption);
// Code page 936 as the tests see it: ASCII one byte, any other character
// two, and nothing none, as the system counts it.
const CodePageLength kBytesOf = [](std::wstring_view c) -> std::size_t {
  return c.empty() ? 0 : c.size() == 1 && c[0] < 0x80 ? 1 : 2;
};

TEST(Tracking, AnyWindowButTheHelperOrNoneBecomesTheTarget) {
  const std::wstring longOwn = kCaption + std::wstring(kMaxTitleBytes, L'x') + kCaption;
  const struct { int foreground; std::wstring title; bool becomesTarget; } rows[] = {
      {7, kCaption, false}, {7, kCaption + L" - 正在发送", false},
      {7, longOwn, false},  // the second caption lies beyond the cut
      {7, kCaption + kCaption, true}, {7, kCaption + L" 与 " + kCaption + L".txt - 记事本", true},
      {7, L"关于 " + kCaption, true}, {7, kCaption.substr(0, kCaption.size() - 1), true}, {42, L"无标题 - 记事本", true},
      {9, L"", true},  // an untitled window may still take typing
      {0, L"无标题 - 记事本", false},  // activation passing between windows
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.title));
    const auto change = TrackForeground(row.foreground, row.title, kBytesOf);
    ASSERT_EQ(change.has_value(), row.becomesTarget);
    if (change) { EXPECT_EQ(change->target, row.foreground); }
  }
  EXPECT_FALSE(IsOwnTitle(L"aaa", L"aa"));  // an overlapping second occurrence counts
  EXPECT_TRUE(IsOwnTitle(L"aab", L"aa"));
}

TEST(CutTitle, At127BytesOfTheCodePageNeverPartOfACharacter) {
  const std::wstring pair{wchar_t(0xD83D), wchar_t(0xDE00)};
  const std::wstring a126(126, L'a'), a125(125, L'a');
  const struct { std::wstring title, cut; } rows[] = {
      {std::wstring(127, L'a'), std::wstring(127, L'a')}, {std::wstring(128, L'a'), std::wstring(127, L'a')},
      {std::wstring(300, L'字'), std::wstring(63, L'字')}, {L"a" + std::wstring(64, L'字'), L"a" + std::wstring(63, L'字')},
      {L"", L""}, {a126 + pair + L"b", a126}, {a125 + pair + L"b", a125 + pair},
      {a125 + wchar_t(0xD83D) + L"bc", a125 + wchar_t(0xD83D)},  // a lone half is one character
      {a125 + L"\xD800\xDC00", a125 + L"\xD800\xDC00"},  // pairs at the ends of the ranges
      {a125 + L"\xDBFF\xDFFF", a125 + L"\xDBFF\xDFFF"}, {a126 + L"\xDC00", a126},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.title.size());
    EXPECT_EQ(CutTitle(row.title, kBytesOf), row.cut);
  }
  EXPECT_EQ(std::pair(CutTitle(L"字x", kBytesOf, 1), CutTitle(L"ab", kBytesOf, 0)), std::pair(std::wstring(), std::wstring()));
}

TEST(FilePath, OneBackslashBetweenFolderAndName) {
  EXPECT_EQ(JoinFilePath(L"C:\\", L"a.txt"), L"C:\\a.txt");
  EXPECT_EQ(JoinFilePath(L"C:\\语句", L"常用.txt"), L"C:\\语句\\常用.txt");
  EXPECT_EQ(JoinFilePath(L"\\\\server\\share\\", L"a.inf"), L"\\\\server\\share\\a.inf");
}

TEST(Resize, ListsAndBarFollowTheWindowUntilASizeWouldTurnNegative) {
  const ResizableLayout wide = Resize({}, 15000, 10000);
  EXPECT_EQ(wide.list1, (TwipsRect{3045, 60, 15000 - 3045 - 200, 10000 - 60 - 1200}));
  EXPECT_EQ(wide.file1, (TwipsRect{210, 2640, 2535, 10000 - 2640 - 1200}));
  EXPECT_EQ(wide.frame1, (TwipsRect{360, 10000 - 1000, 11760, 600}));
  const struct { int width, height; int list1Width, list1Height, file1Height, frame1Top; } rows[] = {
      {3000, 4000, wide.list1.width, 4000 - 1260, 4000 - 3840, 3000},  // too narrow for the sentences
      {3000, 600, wide.list1.width, wide.list1.height, wide.file1.height, -400},  // the bar's top still follows
      {3245, 3840, 0, 3840 - 1260, 0, 2840}, {3245, 1260, 0, 0, wide.file1.height, 260},  // exactly zero is a size
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.height);
    const ResizableLayout r = Resize(wide, row.width, row.height);
    EXPECT_EQ(r.list1.width, row.list1Width);
    EXPECT_EQ(r.list1.height, row.list1Height);
    EXPECT_EQ(r.file1.height, row.file1Height);
    EXPECT_EQ(r.frame1.top, row.frame1Top);
  }
}

}  // namespace
}  // namespace velmora::input
