// The bar's rules as tables: AppPath, the one-in-fifteen draw, the corner,
// dragging, the menu tree and when the program ends.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "velmora/app/app_path.h"
#include "velmora/app/bar_model.h"
#include "velmora/app/home_page_draw.h"
#include "velmora/app/menu_tree.h"
#include "velmora/app/program_lifetime.h"

namespace velmora {
namespace {

TEST(AppPath, TheExecutablesFolderWithExactlyOneBackslash) {
  const struct { std::wstring executable, appPath; } rows[] = {
      {L"C:\\Tools\\Velmora\\Velmora.exe", L"C:\\Tools\\Velmora\\"}, {L"C:\\Velmora.exe", L"C:\\"},
      {L"D:\\\\Velmora.exe", L"D:\\"}, {L"C:\\工具\\\\Velmora.exe", L"C:\\工具\\"},
      {L"\\\\server\\share\\Velmora.exe", L"\\\\server\\share\\"},
      {L"Z:/home/user/dist/Velmora.exe", L"Z:/home/user/dist\\"}, {L"Velmora.exe", L".\\"}, {L"", L".\\"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.executable));
    EXPECT_EQ(AppPath(row.executable), row.appPath);
  }
}

TEST(HomePageDraw, OnlyTheLowestFifteenthOpensItAndABadSourceNever) {
  const struct { double u; int drawn; } rows[] = {{0.0, 1},  {1.0 / 15.0 - 1e-12, 1}, {1.0 / 15.0, 2}, {0.5, 8},
                                                  {0.9999999999, 15}, {1.0, 15}, {-0.01, 15}, {std::nan(""), 15}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.u);
    EXPECT_EQ(DrawOneToFifteen(row.u), row.drawn);
    EXPECT_EQ(HomePageDue([&] { return row.u; }), row.drawn == 1);
  }
  EXPECT_FALSE(HomePageDue(RandomSource{}));
  const RandomSource source = ClockSeededSource();
  int opened = 0;
  for (int i = 0; i < 30000; ++i) opened += DrawOneToFifteen(source()) == 1;
  // 2000 expected; the bounds are more than six standard deviations wide.
  EXPECT_GT(opened, 1740);
  EXPECT_LT(opened, 2260);
}

TEST(BarPlacement, FromTheWorkAreasRightAndBottomEdges) {
  const struct { Point workAreaRightBottom, corner; } rows[] = {  // twips
      // The whole 1920 x 1080 screen at 15 twips per pixel: 50 twips from
      // the right edge, 385 above the bottom, as ever; then a 40-pixel
      // taskbar at the bottom, and one at the right.
      {{28800, 16200}, {28800 - 840 - 50, 16200 - 285 - 385}}, {{28800, 15600}, {27910, 14930}},
      {{27900, 16200}, {27010, 15530}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.workAreaRightBottom.y);
    EXPECT_EQ(CornerPosition(row.workAreaRightBottom, kBarWidthTwips, kBarHeightTwips), row.corner);
  }
}

TEST(BarDrag, LeftAndMiddleDragKeepingTheGrabbedPointRightOpensTheMenu) {
  BarDrag drag;
  EXPECT_FALSE(drag.Move({1, 1}).has_value());
  EXPECT_EQ(drag.Press(MouseButton::Right, {3, 3}), BarDrag::PressResult::PopUpMenu);
  EXPECT_FALSE(drag.Dragging());
  for (const MouseButton button : {MouseButton::Left, MouseButton::Middle}) {
    EXPECT_EQ(drag.Press(button, {7, 11}), BarDrag::PressResult::StartDrag);
    EXPECT_EQ(drag.Move({500, 300}), (Point{493, 289}));
    EXPECT_EQ(drag.Move({2, 3}), (Point{-5, -8}));  // off the screen's left edge
    drag.Release();
    EXPECT_FALSE(drag.Move({600, 600}).has_value());
  }
}

std::vector<std::wstring> Shown(const MenuItem& menu) {
  std::vector<std::wstring> out;
  for (const MenuItem* item : ShownItems(menu)) out.push_back(item->submenu ? item->caption + L" ▸" : item->caption);
  return out;
}

TEST(MenuTree, ShowsExactlyTheReleasedMenuWithEveryHiddenItemInPlace) {
  const MenuTree tree;
  EXPECT_EQ(Shown(tree.Root()), (std::vector<std::wstring>{
                                    L"帮助", L"关于", L"上主页检查更新", L"-", L"符号 ▸", L"-",
                                    L"Kelvo软件说明文档 ▸", L"Kelvo软件 ▸", L"-", L"快捷方式 ▸", L"-",
                                    L"抓屏1-抓整个屏幕并显示Ctrl+Alt+V", L"抓屏2 - 抓窗口存入粘贴板及C盘 Ctrl+Alt+C",
                                    L"抓屏3 - 连抓", L"-", L"退出"}));
  const struct { std::wstring name; int index; std::wstring caption; bool visible; MenuAction action; } rows[] = {
      {L"mnuSys", 2, L"自定义", false, MenuAction::Customise},
      {L"mnuInput", kNoIndex, L"QQ快速语句输入", false, MenuAction::StatementInput},
      {L"mnuMaterial", kNoIndex, L"材料", false, MenuAction::None}, {L"mnuState", 0, L"计算重量", false, MenuAction::None},
      // Element 1 of each list with its default caption.
      {L"mnuFuHaoText2", 1, L"符号文字2", true, MenuAction::Entry}, {L"mnuFuHaoOther", 1, L"符号", true, MenuAction::Entry},
      {L"mnuMaterialOther", 1, L"材料1", true, MenuAction::Entry}, {L"mnuGBText5", 1, L"", true, MenuAction::Entry},
      {L"mnuWebText", 1, L"网址1", true, MenuAction::Entry},
      {L"mnuKelvoSoftText", 1, L"mnuKelvoSoft", true, MenuAction::Entry},
      {L"mnuGotoText", 1, L"快捷方式1", true, MenuAction::Entry},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.name));
    const MenuItem* item = tree.Find(row.name, row.index);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->caption, row.caption);
    EXPECT_EQ(item->visible, row.visible);
    EXPECT_EQ(item->action, row.action);
  }
}

TEST(ProgramLifetime, OnlyWindowsTheUserCanSeeOrBringBackKeepItAlive) {
  constexpr TopLevelWindow bar{true, false, false}, closingBar{true, false, true};
  constexpr TopLevelWindow helper{true, true, false};        // a never-shown viewer, a shot window
  constexpr TopLevelWindow systemMenu{false, false, false};  // the popup menu, an input-method window
  const struct { std::vector<TopLevelWindow> windows; bool alive; } rows[] = {
      {{closingBar, helper, helper, systemMenu}, false}, {{}, false},
      {{closingBar, helper, bar}, true},  // an open viewer
      {{bar, systemMenu}, true},          // the bar hidden a moment by 帮助
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.windows.size());
    EXPECT_EQ(ProgramStaysAlive(row.windows), row.alive);
  }
}

}  // namespace
}  // namespace velmora
