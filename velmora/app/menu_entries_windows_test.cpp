// The bar's list-backed and folder menus read from a program folder of the
// test's own, and what a click on an entry hands on.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"
#include "velmora/app/menu_entries.h"
#include "velmora/words/word_list_table.h"

namespace velmora {
namespace {

struct Call {
  HWND window;
  std::wstring text;
  bool typed;
  bool operator==(const Call&) const = default;
};

TEST(MenuEntries, EveryListAndFolderIsReadAndAClickTypesOrOpensItsLine) {
  testsupport::ScratchFolder folder;
  for (const wchar_t* sub : {L"符号", L"网址", L"Kelvo软件"}) CreateDirectoryW((folder.Path() + sub).c_str(), nullptr);
  folder.Write(L"符号\\希腊字母.txt", "\xEF\xBB\xBF\xCE\xB1\r\nR&D \xE5\x8E\x8B\xE5\x8A\x9B&&\r\n-\r\n");  // α, R&D 压力&&
  folder.Write(L"网址\\默认.txt", "https://www.sac.gov.cn/search?q=GB 150&lang=zh\r\n");
  folder.Write(L"Kelvo软件\\a10.exe", "MZ");
  folder.Write(L"Kelvo软件\\B&R.exe", "MZ");
  std::vector<Call> calls;
  MenuEntries entries([&](HWND owner, const std::wstring& path) { calls.push_back({owner, path, false}); },
                      [&](HWND target, std::wstring_view word, HWND) { calls.push_back({target, std::wstring(word), true}); });
  const MenuLists lists = entries.Load(folder.Path());

  for (const auto& list : words::WordLists()) EXPECT_TRUE(lists.contains(list.menuName));
  for (const auto& menu : words::FolderMenus()) EXPECT_TRUE(lists.contains(menu.menuName));
  const auto& greek = lists.at(L"mnuFuHaoText5");
  ASSERT_EQ(greek.size(), 3u);
  EXPECT_EQ(greek[1].caption, L"R&D 压力&&") << "the menu underlines D and shows one &";
  EXPECT_TRUE(greek[2].separator);
  EXPECT_EQ(lists.at(L"mnuFuHaoText1").front().value, L"符号文字1") << "a missing list keeps its default";
  EXPECT_EQ(lists.at(L"mnuKelvoSoftText").front().value, L"a10.exe");

  const HWND bar = reinterpret_cast<HWND>(0x1234), target = reinterpret_cast<HWND>(0x5678);
  entries.Choose({L"mnuFuHaoText5", 2, greek[1].value, bar, target});
  entries.Choose({L"mnuWebText", 1, lists.at(L"mnuWebText")[0].value, bar, target});
  entries.Choose({L"mnuKelvoSoftText", 2, L"B&R.exe", bar, target});
  entries.Choose({L"mnuNoSuchText", 1, L"x", bar, target});
  EXPECT_EQ(calls, (std::vector<Call>{{target, L"R&D 压力&&", true},
                                      {bar, L"https://www.sac.gov.cn/search?q=GB 150&lang=zh", false},
                                      {bar, folder.Path() + L"Kelvo软件\\B&R.exe", false}}));
}

}  // namespace
}  // namespace velmora
