#include <gtest/gtest.h>

#include <string>

#include "ui/folder_chain.h"
#include "velmora/input/input_model.h"

namespace velmora::input {
namespace {

const std::wstring kCaption(kInputCaption);

TEST(OwnTitle, TheHelperInFrontKeepsTheTarget) {
  EXPECT_TRUE(IsOwnTitle(kCaption));
  EXPECT_TRUE(IsOwnTitle(kCaption + L" - 正在发送"));
}

TEST(OwnTitle, TheCaptionTwiceOrElsewhereIsAnotherWindow) {
  EXPECT_FALSE(IsOwnTitle(kCaption + kCaption));
  EXPECT_FALSE(IsOwnTitle(kCaption + L" 与 " + kCaption + L".txt - 记事本"));
  EXPECT_FALSE(IsOwnTitle(L"关于 " + kCaption));
  EXPECT_FALSE(IsOwnTitle(L"无标题 - 记事本"));
  EXPECT_FALSE(IsOwnTitle(L""));
  EXPECT_FALSE(IsOwnTitle(kCaption.substr(0, kCaption.size() - 1)));
}

TEST(OwnTitle, AnOverlappingSecondOccurrenceCounts) {
  EXPECT_FALSE(IsOwnTitle(L"aaa", L"aa"));
  EXPECT_TRUE(IsOwnTitle(L"aab", L"aa"));
}

TEST(Tracking, AnotherWindowBecomesTheTargetWithItsTitle) {
  const auto change = TrackForeground(42, L"无标题 - 记事本");
  ASSERT_TRUE(change);
  EXPECT_EQ(change->target, 42);
  EXPECT_EQ(change->title, L"无标题 - 记事本");
}

TEST(Tracking, NothingChangesForTheHelperOrForNoWindowInFront) {
  EXPECT_FALSE(TrackForeground(7, kCaption));
  EXPECT_FALSE(TrackForeground(0, L""));
  EXPECT_FALSE(TrackForeground(0, L"无标题 - 记事本"));
  // An untitled window is still a window the user may type into.
  EXPECT_TRUE(TrackForeground(9, L""));
}

TEST(Tracking, TheRuleSeesTheCutTitle) {
  // A second caption beyond the cut is not seen, as if the title were read
  // into a short buffer.
  const std::wstring longOwn = kCaption + std::wstring(kMaxTitleLength, L'x') + kCaption;
  EXPECT_FALSE(TrackForeground(3, longOwn));
}

TEST(CutTitle, LongTitlesKeep127UnitsAndNeverHalfACharacter) {
  EXPECT_EQ(CutTitle(std::wstring(127, L'a')), std::wstring(127, L'a'));
  EXPECT_EQ(CutTitle(std::wstring(300, L'字')), std::wstring(127, L'字'));
  EXPECT_EQ(CutTitle(L""), L"");

  // U+1F600 as its two UTF-16 halves, across the limit: both go.
  const std::wstring pair{wchar_t(0xD83D), wchar_t(0xDE00)};
  const std::wstring across = std::wstring(126, L'a') + pair + L"b";
  EXPECT_EQ(CutTitle(across), std::wstring(126, L'a'));
  // Ending exactly at the limit: both stay.
  const std::wstring within = std::wstring(125, L'a') + pair + L"b";
  EXPECT_EQ(CutTitle(within), std::wstring(125, L'a') + pair);
  // A stray high half followed by an ordinary unit is cut like any unit.
  const std::wstring stray = std::wstring(126, L'a') + wchar_t(0xD83D) + L"bc";
  EXPECT_EQ(CutTitle(stray).size(), 127u);
}

TEST(FilePath, OneBackslashAtADriveRootAndInASubfolder) {
  EXPECT_EQ(JoinFilePath(L"C:\\", L"a.txt"), L"C:\\a.txt");
  EXPECT_EQ(JoinFilePath(L"C:\\语句", L"常用.txt"), L"C:\\语句\\常用.txt");
  EXPECT_EQ(JoinFilePath(L"\\\\server\\share\\", L"a.inf"), L"\\\\server\\share\\a.inf");
}

TEST(Resize, ListsAndBottomBarFollowTheWindow) {
  const ResizableLayout design;
  const ResizableLayout r = Resize(design, 15000, 10000);
  EXPECT_EQ(r.list1, (TwipsRect{3045, 60, 15000 - 3045 - 200, 10000 - 60 - 1200}));
  EXPECT_EQ(r.file1, (TwipsRect{210, 2640, 2535, 10000 - 2640 - 1200}));
  EXPECT_EQ(r.frame1, (TwipsRect{360, 10000 - 1000, 11760, 600}));
}

TEST(Resize, SizesThatWouldBecomeNegativeStayAsTheyWere) {
  const ResizableLayout wide = Resize({}, 15000, 10000);
  // Too narrow for the sentence list, still tall enough for the file list.
  const ResizableLayout narrow = Resize(wide, 3000, 4000);
  EXPECT_EQ(narrow.list1.width, wide.list1.width);
  EXPECT_EQ(narrow.list1.height, 4000 - 60 - 1200);
  EXPECT_EQ(narrow.file1.height, 4000 - 2640 - 1200);
  // Too low for the file list; the bar's top still follows, even above 0.
  const ResizableLayout low = Resize(narrow, 3000, 600);
  EXPECT_EQ(low.file1.height, narrow.file1.height);
  EXPECT_EQ(low.list1.height, narrow.list1.height);
  EXPECT_EQ(low.frame1.top, -400);
  // Exactly zero is a size, not a failure.
  EXPECT_EQ(Resize(wide, 3245, 3840).file1.height, 0);
  EXPECT_EQ(Resize(wide, 3245, 3840).list1.width, 0);
}

TEST(FolderChain, RootAndEachFolderDownToTheCurrentOne) {
  const auto chain = ui::FolderChain(L"C:\\Program Files\\语句");
  ASSERT_EQ(chain.size(), 3u);
  EXPECT_EQ(chain[0], (ui::FolderEntry{L"C:\\", L"C:\\", 0, true}));
  EXPECT_EQ(chain[1], (ui::FolderEntry{L"Program Files", L"C:\\Program Files", 1, true}));
  EXPECT_EQ(chain[2], (ui::FolderEntry{L"语句", L"C:\\Program Files\\语句", 2, true}));
  EXPECT_EQ(ui::FolderChain(L"C:\\").size(), 1u);
  EXPECT_EQ(ui::FolderChain(L"C:\\a\\").size(), 2u);
  EXPECT_TRUE(ui::FolderChain(L"relative\\path").empty());
}

TEST(FolderChain, NetworkSharesAndDrives) {
  const auto chain = ui::FolderChain(L"\\\\server\\share\\docs");
  ASSERT_EQ(chain.size(), 2u);
  EXPECT_EQ(chain[0].path, L"\\\\server\\share\\");
  EXPECT_EQ(chain[1].path, L"\\\\server\\share\\docs");
  EXPECT_EQ(ui::DriveOfPath(L"C:\\a"), L"c:");
  EXPECT_EQ(ui::DriveOfPath(L"\\\\server\\share\\docs"), L"\\\\server\\share");
  EXPECT_EQ(ui::DriveOfPath(L"nowhere"), L"");
}

TEST(Patterns, SplitAtSemicolonsWithBlanksAndEmptiesDropped) {
  EXPECT_EQ(ui::SplitPatterns(L"*.txt;*.inf"), (std::vector<std::wstring>{L"*.txt", L"*.inf"}));
  EXPECT_EQ(ui::SplitPatterns(L" *.txt ; ;*.inf;"), (std::vector<std::wstring>{L"*.txt", L"*.inf"}));
  EXPECT_TRUE(ui::SplitPatterns(L"").empty());
}

}  // namespace
}  // namespace velmora::input
