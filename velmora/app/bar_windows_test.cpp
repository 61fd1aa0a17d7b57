// The popup menu as the window system holds it, filled as its submenus
// open, and the rule that ends the program, in process under Wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "velmora/app/lifetime_watch.h"
#include "velmora/app/popup_menu.h"

namespace velmora {
namespace {

// The items of a menu as the user reads them: "-" for a separator, " ▸"
// after a submenu head.
std::vector<std::wstring> Read(HMENU menu) {
  std::vector<std::wstring> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[256]{};
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = 255;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    items.push_back((info.fType & MFT_SEPARATOR) ? L"-" : std::wstring(text) + (info.hSubMenu ? L" ▸" : L""));
  }
  return items;
}

const PopupMenu::Key& KeyAt(const PopupMenu& popup, HMENU menu, int position) {
  static const PopupMenu::Key none{L"<none>", 0};
  const PopupMenu::Key* key = popup.KeyOf(GetMenuItemID(menu, position));
  return key ? *key : none;
}

TEST(PopupMenu, ShowsTheShownItemsAndFillsEachSubmenuOnItsFirstOpening) {
  const MenuTree tree;
  MenuLists lists;
  lists[L"mnuFuHaoOther"] = words::ListMenuItems({L"", L"R&D", L"-", L"≤"}, L"符号", words::Ampersands::AccessKey);
  lists[L"mnuFuHaoText5"] = words::ListMenuItems(std::vector<std::wstring>(2000, L"α"), L"");
  PopupMenu popup;
  popup.Build(tree, lists);
  const HMENU top = popup.Handle();
  EXPECT_EQ(Read(top), (std::vector<std::wstring>{
                           L"帮助", L"关于", L"上主页检查更新", L"-", L"符号 ▸", L"-", L"Kelvo软件说明文档 ▸",
                           L"Kelvo软件 ▸", L"-", L"快捷方式 ▸", L"-", L"抓屏1-抓整个屏幕并显示Ctrl+Alt+V",
                           L"抓屏2 - 抓窗口存入粘贴板及C盘 Ctrl+Alt+C", L"抓屏3 - 连抓", L"-", L"退出"}));
  EXPECT_EQ(KeyAt(popup, top, 1).name, L"mnuSys");
  EXPECT_EQ(KeyAt(popup, top, 1).index, 1);
  EXPECT_EQ(KeyAt(popup, top, 15).name, L"mnuExit");

  const HMENU symbols = GetSubMenu(top, 4);
  EXPECT_EQ(GetMenuItemCount(symbols), 0) << "nothing before the first opening";
  popup.Opening(symbols);
  EXPECT_EQ(Read(symbols), (std::vector<std::wstring>{L"常用符号 ▸", L"标点符号 ▸", L"数字符号 ▸", L"罗马字母 ▸",
                                                      L"希腊字母 ▸", L"其它 ▸", L"", L"R&D", L"-", L"≤"}));
  EXPECT_EQ(KeyAt(popup, symbols, 9).name, L"mnuFuHaoOther");
  EXPECT_EQ(KeyAt(popup, symbols, 9).index, 4);  // the separator keeps its line's number
  popup.Opening(symbols);
  EXPECT_EQ(GetMenuItemCount(symbols), 10) << "filled once";

  const HMENU greek = GetSubMenu(symbols, 4);
  popup.Opening(greek);
  ASSERT_EQ(GetMenuItemCount(greek), 2000);
  EXPECT_EQ(KeyAt(popup, greek, 1999).index, 2000);
  const HMENU common = GetSubMenu(symbols, 0);
  popup.Opening(common);
  EXPECT_EQ(Read(common), (std::vector<std::wstring>{L"符号文字1"})) << "no list read: element 1 of the tree";
  EXPECT_EQ(popup.KeyOf(0), nullptr);
}

// Top-level windows of the test program's own class.
HWND MakeWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VelmoraLifetimeProbe";
  RegisterClassW(&wc);
  return CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
}

bool QuitPosted() {
  MSG msg;
  bool quit = false;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) quit = quit || msg.message == WM_QUIT;
  return quit;
}

TEST(LifetimeWatch, EndsWhenOnlyHelperWindowsRemainAndNotAfterItsEnd) {
  QuitPosted();
  const HWND viewer = MakeWindow(), sharedViewer = MakeWindow(), shot = MakeWindow(), help = MakeWindow();
  MarkHelperWindow(sharedViewer);
  MarkHelperWindow(shot);
  {
    LifetimeWatch watch;
    DestroyWindow(shot);
    EXPECT_FALSE(QuitPosted()) << "a helper's end never decides";
    DestroyWindow(viewer);
    EXPECT_FALSE(QuitPosted()) << "a never-shown help window is no helper";
    DestroyWindow(help);
    EXPECT_TRUE(QuitPosted()) << "the last window the user could see is gone";
  }
  DestroyWindow(sharedViewer);
  EXPECT_FALSE(QuitPosted()) << "nothing is watched once the watch is gone";
}

}  // namespace
}  // namespace velmora
