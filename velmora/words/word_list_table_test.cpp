#include "velmora/words/word_list_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using words::FolderMenus;
using words::ListClick;
using words::WordLists;

TEST(WordListTable, TwentySixListsInLoadOrder) {
  const auto lists = WordLists();
  ASSERT_EQ(lists.size(), 26u);
  EXPECT_EQ(lists[0].file, L"符号\\常用符号.txt");
  EXPECT_EQ(lists[0].defaultCaption, L"符号文字1");
  EXPECT_EQ(lists[1].defaultCaption, L"符号文字2");
  EXPECT_EQ(lists[4].menuName, L"mnuFuHaoText5");
  EXPECT_EQ(lists[4].file, L"符号\\希腊字母.txt");
  EXPECT_EQ(lists[6].file, L"符号\\默认.txt");
  EXPECT_EQ(lists[6].defaultCaption, L"符号");
  EXPECT_EQ(lists[7].defaultCaption, L"材料1");
  EXPECT_EQ(lists[12].file, L"标准名\\GB其它.txt");
  EXPECT_EQ(lists[13].menuName, L"mnuJBText1");
  EXPECT_EQ(lists[23].menuName, L"mnuSHText");
  EXPECT_EQ(lists[24].click, ListClick::OpenAddress);
  EXPECT_EQ(lists[24].defaultCaption, L"网址1");
  EXPECT_EQ(lists[25].click, ListClick::OpenFolder);
  EXPECT_EQ(lists[25].defaultCaption, L"目录1");
}

TEST(WordListTable, OnlyTheSymbolListsAreShownAndEveryWordListTypes) {
  for (std::size_t i = 0; i < WordLists().size(); ++i) {
    const auto& list = WordLists()[i];
    EXPECT_EQ(list.shown, i < 7) << i;
    EXPECT_EQ(list.click == ListClick::TypeWord, i < 24) << i;
    if (i >= 8 && i < 24) {
      EXPECT_TRUE(list.defaultCaption.empty()) << i;
    }
  }
}

TEST(WordListTable, FilesAndMenuNamesAreDistinct) {
  std::set<std::wstring_view> files, names;
  for (const auto& list : WordLists()) {
    files.insert(list.file);
    names.insert(list.menuName);
  }
  for (const auto& menu : FolderMenus()) names.insert(menu.menuName);
  EXPECT_EQ(files.size(), 26u);
  EXPECT_EQ(names.size(), 41u);
}

TEST(WordListTable, FifteenFolderMenusOpenTheirFolderWithABackslash) {
  const auto menus = FolderMenus();
  ASSERT_EQ(menus.size(), 15u);
  EXPECT_EQ(menus[0].listedFolder, L"标准\\规程");
  EXPECT_EQ(menus[6].listedFolder, L"标准\\SH");
  EXPECT_EQ(menus[12].menuName, L"mnuKelvoSoftText");
  EXPECT_EQ(menus[12].defaultCaption, L"mnuKelvoSoft");
  EXPECT_EQ(menus[14].defaultCaption, L"快捷方式1");
  for (const auto& menu : menus) {
    EXPECT_EQ(menu.openedFolder.back(), L'\\');
    // The listed and the opened folder differ at most in the trailing backslash.
    EXPECT_EQ(menu.openedFolder.substr(0, menu.openedFolder.size() - 1),
              menu.listedFolder.substr(0, menu.openedFolder.size() - 1));
  }
  std::set<std::wstring_view> shown;
  for (const auto& menu : menus) {
    if (menu.shown) shown.insert(menu.menuName);
  }
  EXPECT_EQ(shown, (std::set<std::wstring_view>{L"mnuKelvoSoftDocText", L"mnuKelvoSoftText", L"mnuGotoText"}));
}

TEST(WordListTable, EntryPathIsAppPathFolderAndCaption) {
  const auto& tools = FolderMenus()[12];
  EXPECT_EQ(words::FolderEntryPath(L"C:\\Velmora\\", tools, L"Lmtdcalc.exe"), L"C:\\Velmora\\Kelvo软件\\Lmtdcalc.exe");
  // An empty folder's blank item opens the folder itself.
  EXPECT_EQ(words::FolderEntryPath(L"C:\\V\\", FolderMenus()[6], L""), L"C:\\V\\标准\\SH\\");
}
