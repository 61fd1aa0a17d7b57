// The bar's list-backed and folder menus filled from a program folder of the
// test's own, and what a click on an entry hands on.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "velmora/app/menu_entries.h"
#include "velmora/words/word_list_windows_test_support.h"

namespace velmora {
namespace {

std::string Utf8(const std::wstring& text) {
  std::string bytes(static_cast<std::size_t>(text.size()) * 4 + 3, '\0');
  bytes[0] = '\xEF', bytes[1] = '\xBB', bytes[2] = '\xBF';  // a byte order mark
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data() + 3,
                                    static_cast<int>(bytes.size() - 3), nullptr, nullptr);
  bytes.resize(3 + static_cast<std::size_t>(n));
  return bytes;
}

struct Opened {
  HWND owner;
  std::wstring path;
};
struct Typed {
  HWND target;
  std::wstring word;
  HWND owner;
};

class MenuEntriesTest : public ::testing::Test {
 protected:
  void Folder(const std::wstring& name) const { CreateDirectoryW((folder_.Path() + name).c_str(), nullptr); }
  void List(const std::wstring& name, const std::wstring& text) const { folder_.Write(name, Utf8(text)); }

  // Chooses element `index` as the bar does: the caption the menu shows.
  void Choose(const std::wstring& array, int index) {
    const MenuItem* item = tree_.Find(array, index);
    ASSERT_NE(item, nullptr) << array << " " << index;
    entries_.Choose({array, index, item->caption, bar_, target_});
  }

  std::wstring Caption(const std::wstring& array, int index) const {
    const MenuItem* item = tree_.Find(array, index);
    return item ? item->caption : L"<none>";
  }

  words::testing::ScratchFolder folder_;
  std::vector<Opened> opened_;
  std::vector<Typed> typed_;
  MenuEntries entries_{[this](HWND owner, const std::wstring& path) { opened_.push_back({owner, path}); },
                       [this](HWND target, std::wstring_view word, HWND owner) {
                         typed_.push_back({target, std::wstring(word), owner});
                       }};
  MenuTree tree_;
  HWND bar_ = reinterpret_cast<HWND>(0x1234);
  HWND target_ = reinterpret_cast<HWND>(0x5678);
};

TEST_F(MenuEntriesTest, TheMenuShowsAccessKeysWhileAClickTypesTheLineAsWritten) {
  Folder(L"符号");
  List(L"符号\\希腊字母.txt", L"α\r\nR&D 压力&&温度\r\n-\r\n\r\nΩ");
  entries_.Fill(tree_, folder_.Path());

  ASSERT_EQ(tree_.Count(L"mnuFuHaoText5"), 5);
  EXPECT_EQ(Caption(L"mnuFuHaoText5", 2), L"R&D 压力&&温度");
  EXPECT_TRUE(tree_.Find(L"mnuFuHaoText5", 3)->IsSeparator());
  EXPECT_EQ(Caption(L"mnuFuHaoText5", 4), L"");

  Choose(L"mnuFuHaoText5", 2);
  Choose(L"mnuFuHaoText5", 4);
  Choose(L"mnuFuHaoText5", 5);
  ASSERT_EQ(typed_.size(), 3u);
  EXPECT_EQ(typed_[0].word, L"R&D 压力&&温度");
  EXPECT_EQ(typed_[0].target, target_);
  EXPECT_EQ(typed_[0].owner, bar_) << "the bar owns the clipboard";
  EXPECT_EQ(typed_[1].word, L"") << "an empty line types nothing";
  EXPECT_EQ(typed_[2].word, L"Ω");
  EXPECT_TRUE(opened_.empty());
}

TEST_F(MenuEntriesTest, MissingListsAndFoldersKeepElementOneWithItsDefaultCaption) {
  entries_.Fill(tree_, folder_.Path());
  for (const auto& list : words::WordLists()) {
    const std::wstring name(list.menuName);
    EXPECT_EQ(tree_.Count(name), 1) << name;
    EXPECT_EQ(Caption(name, 1), list.defaultCaption) << name;
  }
  for (const auto& menu : words::FolderMenus()) {
    const std::wstring name(menu.menuName);
    EXPECT_EQ(tree_.Count(name), 1) << name;
  }
  Choose(L"mnuFuHaoText5", 1);
  ASSERT_EQ(typed_.size(), 1u);
  EXPECT_EQ(typed_[0].word, L"符号文字1");
}

TEST_F(MenuEntriesTest, HiddenAddressAndFolderListsAreFilledAndOpenedExactlyAsWritten) {
  Folder(L"网址");
  Folder(L"目录");
  const std::wstring address = L"https://www.sac.gov.cn/search?q=GB 150&lang=zh#一";
  List(L"网址\\默认.txt", L"https://www.asme.org/\r\n" + address + L"\r\n");
  List(L"目录\\默认.txt", L"C:\\Users\\");
  entries_.Fill(tree_, folder_.Path());

  const MenuItem* web = tree_.Find(L"mnuweb");
  ASSERT_NE(web, nullptr);
  EXPECT_FALSE(web->visible);
  EXPECT_EQ(tree_.Count(L"mnuWebText"), 2);

  Choose(L"mnuWebText", 2);
  Choose(L"mnuDirText", 1);
  ASSERT_EQ(opened_.size(), 2u);
  EXPECT_EQ(opened_[0].path, address);
  EXPECT_EQ(opened_[0].owner, bar_);
  EXPECT_EQ(opened_[1].path, L"C:\\Users\\");
  EXPECT_TRUE(typed_.empty());
}

TEST_F(MenuEntriesTest, AFolderEntryOpensAppPathPlusFolderPlusTheFileName) {
  Folder(L"Kelvo软件");
  folder_.Write(L"Kelvo软件\\B&R 计算.exe", "MZ");
  folder_.Write(L"Kelvo软件\\a2.exe", "MZ");
  folder_.Write(L"Kelvo软件\\a10.exe", "MZ");
  entries_.Fill(tree_, folder_.Path());

  ASSERT_EQ(tree_.Count(L"mnuKelvoSoftText"), 3);
  EXPECT_EQ(Caption(L"mnuKelvoSoftText", 1), L"a2.exe");
  EXPECT_EQ(Caption(L"mnuKelvoSoftText", 2), L"a10.exe");
  Choose(L"mnuKelvoSoftText", 3);
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0].path, folder_.Path() + L"Kelvo软件\\B&R 计算.exe");
}

TEST_F(MenuEntriesTest, ElementsPastTheFilledOnesAndUnknownArraysDoNothing) {
  entries_.Fill(tree_, folder_.Path());
  entries_.Choose({L"mnuFuHaoText5", 2, L"x", bar_, target_});
  entries_.Choose({L"mnuNoSuchText", 1, L"x", bar_, target_});
  entries_.Choose({L"mnuFuHaoText5", 0, L"x", bar_, target_});
  EXPECT_TRUE(typed_.empty());
  EXPECT_TRUE(opened_.empty());
}

TEST_F(MenuEntriesTest, ListsAtTheLineLimitFillCompletelyAndStopThere) {
  Folder(L"符号");
  std::wstring text;
  for (int i = 1; i <= 32767 + 5; ++i) text += L"符号" + std::to_wstring(i) + L"\r\n";
  for (const wchar_t* name : {L"符号\\希腊字母.txt", L"符号\\常用符号.txt"}) List(name, text);

  const auto start = std::chrono::steady_clock::now();
  entries_.Fill(tree_, folder_.Path());
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  std::printf("two lists of 32767 lines filled in %lld ms\n", static_cast<long long>(took.count()));

  EXPECT_EQ(tree_.Count(L"mnuFuHaoText5"), 32767);
  EXPECT_EQ(tree_.Count(L"mnuFuHaoText1"), 32767);
  EXPECT_EQ(Caption(L"mnuFuHaoText5", 32767), L"符号32767");
  Choose(L"mnuFuHaoText1", 32767);
  ASSERT_EQ(typed_.size(), 1u);
  EXPECT_EQ(typed_[0].word, L"符号32767");
}

}  // namespace
}  // namespace velmora
