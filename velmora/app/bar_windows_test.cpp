// In process: lists and folders read from a folder of the test's own, what a
// click hands on, and the popup menu's submenus filled when first opened.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"
#include "velmora/app/menu_entries.h"
#include "velmora/app/popup_menu.h"
#include "velmora/words/word_list_table.h"

namespace velmora {
namespace {

struct Call { HWND window; std::wstring text; bool typed; bool operator==(const Call&) const = default; };

TEST(MenuEntries, EveryListAndFolderIsReadAndAClickTypesOrOpensItsLine) {
  testsupport::ScratchFolder folder;
  for (const wchar_t* sub : {L"符号", L"网址", L"Kelvo软件"}) CreateDirectoryW((folder.Path() + sub).c_str(), nullptr);
  folder.Write(L"符号\\希腊字母.txt", "\xEF\xBB\xBF\xCE\xB1\r\nR&D \xE5\x8E\x8B\xE5\x8A\x9B&&\r\n-\r\n");  // α, R&D 压力&&
  folder.Write(L"网址\\默认.txt", "https://www.sac.gov.cn/search?q=GB 150&lang=zh\r\n");
  for (const wchar_t* program : {L"a10.exe", L"B&R.exe"}) folder.Write(L"Kelvo软件\\" + std::wstring(program), "MZ");
  std::vector<Call> calls;
  MenuEntries entries([&](HWND owner, const std::wstring& path) { calls.push_back({owner, path, false}); },
                      [&](HWND target, std::wstring_view word, HWND) { calls.push_back({target, std::wstring(word), true}); });
  const MenuLists lists = entries.Load(folder.Path());

  for (const auto& list : words::WordLists()) EXPECT_TRUE(lists.contains(list.menuName));
  for (const auto& menu : words::FolderMenus()) EXPECT_TRUE(lists.contains(menu.menuName));
  const auto& greek = lists.at(L"mnuFuHaoText5");
  ASSERT_EQ(greek.size(), 3u);
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

// An item as the user reads it: "-" for a separator, " ▸" after a head.
std::wstring Text(HMENU menu, int position) {
  wchar_t text[256]{};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
  if (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_SEPARATOR) return L"-";
  return text + std::wstring(GetSubMenu(menu, position) ? L" ▸" : L"");
}

TEST(PopupMenu, EachSubmenuIsFilledOnItsFirstOpeningAndItemsLeadBackToTheirElement) {
  const MenuTree tree;
  MenuLists lists;
  lists[L"mnuFuHaoOther"] = words::ListMenuItems({L"", L"R&D", L"-", L"≤"}, L"符号", words::Ampersands::AccessKey);
  lists[L"mnuFuHaoText5"] = words::ListMenuItems(std::vector<std::wstring>(2000, L"α"), L"");
  PopupMenu popup;
  popup.Build(tree, lists);
  const auto key = [&](HMENU menu, int position) {
    const PopupMenu::Key* k = popup.KeyOf(GetMenuItemID(menu, position));
    return k ? k->name + L"(" + std::to_wstring(k->index) + L")" : L"none";
  };
  const HMENU top = popup.Handle();
  EXPECT_EQ(std::tuple(GetMenuItemCount(top), key(top, 1), key(top, 15)), std::tuple(16, L"mnuSys(1)", L"mnuExit(-1)"));

  const HMENU symbols = GetSubMenu(top, 4);
  EXPECT_EQ(GetMenuItemCount(symbols), 0) << "nothing before the first opening";
  popup.Opening(symbols);
  popup.Opening(symbols);
  ASSERT_EQ(GetMenuItemCount(symbols), 10) << "filled once";
  const std::vector<std::wstring> tail{Text(symbols, 5), Text(symbols, 6), Text(symbols, 7), Text(symbols, 8)};
  EXPECT_EQ(tail, (std::vector<std::wstring>{L"其它 ▸", L"", L"R&D", L"-"}));
  EXPECT_EQ(key(symbols, 9), L"mnuFuHaoOther(4)") << "the separator keeps its line's number";

  const HMENU greek = GetSubMenu(symbols, 4);
  popup.Opening(greek);
  ASSERT_EQ(GetMenuItemCount(greek), 2000);
  EXPECT_EQ(key(greek, 1999), L"mnuFuHaoText5(2000)");
  const HMENU common = GetSubMenu(symbols, 0);
  popup.Opening(common);
  EXPECT_EQ(Text(common, 0), L"符号文字1") << "no list read: element 1 of the tree";
}

}  // namespace
}  // namespace velmora
