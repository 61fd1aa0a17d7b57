// The popup menu as the window system holds it, and the rule that ends the
// program, in process under Wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "velmora/app/lifetime_watch.h"
#include "velmora/app/popup_menu.h"

namespace velmora {
namespace {

struct Shown {
  std::wstring text;  // "-" for a separator
  bool submenu;
  UINT id;
};

std::vector<Shown> Read(HMENU menu) {
  std::vector<Shown> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[256]{};
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU | MIIM_ID;
    info.dwTypeData = text;
    info.cch = 255;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    items.push_back({(info.fType & MFT_SEPARATOR) ? L"-" : text, info.hSubMenu != nullptr, info.wID});
  }
  return items;
}

TEST(PopupMenu, HoldsOnlyTheShownItems) {
  PopupMenu popup;
  popup.Build(MenuTree());
  const auto top = Read(popup.Handle());
  std::vector<std::wstring> texts;
  for (const Shown& s : top) texts.push_back(s.submenu ? s.text + L" ▸" : s.text);
  EXPECT_EQ(texts, (std::vector<std::wstring>{
                       L"帮助", L"关于", L"上主页检查更新", L"-", L"符号 ▸", L"-", L"Kelvo软件说明文档 ▸",
                       L"Kelvo软件 ▸", L"-", L"快捷方式 ▸", L"-", L"抓屏1-抓整个屏幕并显示Ctrl+Alt+V",
                       L"抓屏2 - 抓窗口存入粘贴板及C盘 Ctrl+Alt+C", L"抓屏3 - 连抓", L"-", L"退出"}));
  const PopupMenu::Key* exit = popup.KeyOf(top.back().id);
  ASSERT_NE(exit, nullptr);
  EXPECT_EQ(exit->name, L"mnuExit");
  const PopupMenu::Key* about = popup.KeyOf(top[1].id);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->name, L"mnuSys");
  EXPECT_EQ(about->index, 1);
  EXPECT_EQ(popup.KeyOf(0), nullptr);
  EXPECT_EQ(popup.KeyOf(100000), nullptr);
}

TEST(PopupMenu, ListEntriesKeepBlankAndAmpersandCaptionsAndLeadBackToTheirElement) {
  MenuTree tree;
  tree.SetCaption(L"mnuFuHaoOther", 1, L"");
  tree.AddElement(L"mnuFuHaoOther", L"A&B");
  tree.AddElement(L"mnuFuHaoOther", L"-");
  tree.AddElement(L"mnuFuHaoOther", L"≤");
  PopupMenu popup;
  popup.Build(tree);
  const auto symbols = Read(GetSubMenu(popup.Handle(), 4));
  ASSERT_EQ(symbols.size(), 10u);
  EXPECT_EQ(symbols[6].text, L"");  // a blank line is a blank item, not a separator
  EXPECT_NE(symbols[6].id, 0u);
  EXPECT_EQ(symbols[7].text, L"A&B");
  EXPECT_EQ(symbols[8].text, L"-");
  const PopupMenu::Key* last = popup.KeyOf(symbols[9].id);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->name, L"mnuFuHaoOther");
  EXPECT_EQ(last->index, 4);
  const auto greek = Read(GetSubMenu(GetSubMenu(popup.Handle(), 4), 4));
  ASSERT_EQ(greek.size(), 1u);
  EXPECT_EQ(greek[0].text, L"符号文字1");
}

// Top-level windows of the test program's own class.
class Windows {
 public:
  HWND Make() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VelmoraLifetimeProbe";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                           nullptr);
  }
};

bool QuitPosted() {
  MSG msg;
  bool quit = false;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) quit = quit || msg.message == WM_QUIT;
  return quit;
}

TEST(LifetimeWatch, EndsWhenOnlyHelperWindowsRemain) {
  Windows windows;
  QuitPosted();
  const HWND viewer = windows.Make();
  const HWND sharedViewer = windows.Make();
  const HWND shot = windows.Make();
  MarkHelperWindow(sharedViewer);
  MarkHelperWindow(shot);
  {
    LifetimeWatch watch;
    DestroyWindow(shot);
    EXPECT_FALSE(QuitPosted()) << "a helper's end never decides";
    DestroyWindow(viewer);
    EXPECT_TRUE(QuitPosted()) << "the last window the user could see is gone";
  }
  DestroyWindow(sharedViewer);
}

TEST(LifetimeWatch, LivesOnWhileAWindowTheUserCanBringBackRemains) {
  Windows windows;
  QuitPosted();
  const HWND bar = windows.Make();
  const HWND help = windows.Make();  // never shown: still not a helper
  {
    LifetimeWatch watch;
    DestroyWindow(bar);
    EXPECT_FALSE(QuitPosted());
  }
  DestroyWindow(help);
  EXPECT_FALSE(QuitPosted()) << "nothing is watched once the watch is gone";
}

}  // namespace
}  // namespace velmora
