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
  const std::pair<std::wstring, std::wstring> rows[] = {
      {L"C:\\Tools\\Velmora\\Velmora.exe", L"C:\\Tools\\Velmora\\"}, {L"C:\\Velmora.exe", L"C:\\"},
      {L"D:\\\\Velmora.exe", L"D:\\"}, {L"C:\\工具\\\\Velmora.exe", L"C:\\工具\\"},
      {L"\\\\server\\share\\Velmora.exe", L"\\\\server\\share\\"},
      {L"Z:/home/user/dist/Velmora.exe", L"Z:/home/user/dist\\"}, {L"Velmora.exe", L".\\"}, {L"", L".\\"},
  };
  for (const auto& [executable, appPath] : rows)
    EXPECT_EQ(AppPath(executable), appPath) << ::testing::PrintToString(executable);
}

TEST(HomePageDraw, OnlyTheLowestFifteenthOpensItAndABadSourceNever) {
  const struct { double u; int drawn; } rows[] = {{0.0, 1},  {1.0 / 15.0 - 1e-12, 1}, {1.0 / 15.0, 2}, {0.5, 8},
                                                  {0.9999999999, 15}, {1.0, 15}, {-0.01, 15}, {std::nan(""), 15}};
  for (const auto& row : rows) {
    const bool due = HomePageDue([&] { return row.u; });
    EXPECT_EQ(std::pair(DrawOneToFifteen(row.u), due), std::pair(row.drawn, row.drawn == 1)) << row.u;
  }
  EXPECT_FALSE(HomePageDue(RandomSource{}));
}

TEST(BarPlacement, FromTheWorkAreasRightAndBottomEdges) {
  // In twips, the whole 1920 x 1080 screen at 15 twips per pixel: 50 twips from the right edge, 385 above the
  // bottom, as ever; then a 40-pixel taskbar at the bottom, and one at the right.
  const std::pair<Point, Point> rows[] = {{{28800, 16200}, {28800 - 840 - 50, 16200 - 285 - 385}},
                                          {{28800, 15600}, {27910, 14930}}, {{27900, 16200}, {27010, 15530}}};
  for (const auto& [rightBottom, corner] : rows) {
    EXPECT_EQ(CornerPosition(rightBottom, kBarWidthTwips, kBarHeightTwips), corner) << rightBottom.x << rightBottom.y;
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

// The bar (7) is never the target; in front, it gives the target as the window worked in.
TEST(ForegroundTracker, TheTargetAndTheWindowWorkedIn) {
  ForegroundTracker tracker(7);
  for (const std::uintptr_t seen : {7u, 40u, 7u}) tracker.Tick(seen);
  EXPECT_EQ(std::tuple(tracker.Target(), tracker.WorkedIn(7), tracker.WorkedIn(52)), std::tuple(40u, 40u, 52u));
}

// An item and everything under it as one line: control name (index), caption,
// "hidden", and a head's children in brackets; element 1 of a list by its name.
std::wstring Outline(const MenuItem& item) {
  std::wstring text = item.name + (item.index == kNoIndex ? L"" : L"(" + std::to_wstring(item.index) + L")");
  if (item.action == MenuAction::Entry) return text;
  text += L" " + item.caption + (item.visible ? L"" : L" hidden");
  if (!item.submenu) return text;
  for (std::size_t i = 0; i < item.children.size(); ++i) text += (i ? L", " : L" [") + Outline(item.children[i]);
  return text + L"]";
}

// Each tick records the foreground window unless it is the bar: the help
// window or a viewer of the program's own included, and a null one too.
TEST(ForegroundTracking, EveryForegroundButTheBarBecomesTheTarget) {
  ForegroundTracker tracker(7);
  const struct { std::uintptr_t foreground, target; } ticks[] = {{7, 0}, {42, 42}, {7, 42}, {9, 9}, {0, 0}, {7, 0}};
  for (const auto& tick : ticks) {
    tracker.Tick(tick.foreground);
    EXPECT_EQ(tracker.Target(), tick.target) << "after a tick with " << tick.foreground;
  }
}

TEST(MenuTree, EveryItemInPlaceWithItsCaptionVisibilityListAndCommand) {
  const MenuTree tree;
  std::vector<std::wstring> outline;
  std::vector<MenuAction> commands;
  for (const MenuItem& item : tree.Root().children) {
    outline.push_back(Outline(item));
    if (item.action != MenuAction::None) commands.push_back(item.action);
  }
  using A = MenuAction;
  EXPECT_EQ(commands, (std::vector<A>{A::Help, A::About, A::Customise, A::HomePage, A::StatementInput, A::Capture1,
                                      A::Capture2, A::Capture3, A::Exit}));
  EXPECT_EQ(outline, (std::vector<std::wstring>{
      L"mnuSys(0) 帮助", L"mnuSys(1) 关于", L"mnuSys(2) 自定义 hidden", L"mnuHomeWeb 上主页检查更新",
      L"mnuSysSep1 - hidden", L"mnuHide 隐藏文件 hidden", L"mnuTime 计时 hidden", L"mnuInput QQ快速语句输入 hidden",
      L"mnuSysSep11 - hidden", L"mnuCha 查询 hidden", L"mnuWeightXG 计算重量(型刚) hidden",
      L"mnuState(0) 计算重量 hidden", L"mnuSysSep2 -",
      L"mnuFuHao 符号 [mnuFuHaoFile(1) 常用符号 [mnuFuHaoText1(1)], mnuFuHaoFile(2) 标点符号 [mnuFuHaoText2(1)], "
      L"mnuFuHaoFile(3) 数字符号 [mnuFuHaoText3(1)], mnuFuHaoFile(4) 罗马字母 [mnuFuHaoText4(1)], "
      L"mnuFuHaoFile(5) 希腊字母 [mnuFuHaoText5(1)], mnuFuHaoFile(6) 其它 [mnuFuHaoText6(1)], mnuFuHaoOther(1)]",
      L"mnuMaterial 材料 hidden [mnuMaterialOther(1)]",
      L"mnuBiaoZhunName 标准名 hidden [mnuGB(1) GB基础标准 [mnuGBText1(1)], mnuGB(2) GB材料标准 [mnuGBText2(1)], "
      L"mnuGB(3) GB方法标准 [mnuGBText3(1)], mnuGB(4) GB工艺标准 [mnuGBText4(1)], mnuGB(5) GB其它标准 [mnuGBText5(1)], "
      L"mnuJB(1) JB基础标准 [mnuJBText1(1)], mnuJB(2) JB材料标准 [mnuJBText2(1)], mnuJB(3) JB方法标准. [mnuJBText3(1)], "
      L"mnuJB(4) JB工艺标准 [mnuJBText4(1)], mnuJB(5) JB其它标准 [mnuJBText5(1)], mnuHG HG标准 [mnuHGText(1)], "
      L"mnuAsme ASME标准 [mnuAsmeText(1)], mnuPed PED标准 [mnuPedText(1)], mnuSH SH标准 [mnuSHText(1)], "
      L"mnuUse 常用 [mnuUseText(1)], mnuBiaoZhunOther 其它 [mnuBiaoZhunOtherText(1)]]",
      L"mnuSysSep3 - hidden", L"mnuweb 网址 hidden [mnuWebText(1)]", L"mnuDir(1) 目录 hidden [mnuDirText(1)]",
      L"mnuFile 文档 hidden [mnuFileText(1)]",
      L"mnuBiaoZhunBook 标准 hidden [mnuBiaoZhun(1) 规程 [mnuBook1(1)], mnuBiaoZhun(2) GB标准 [mnuBook2(1)], "
      L"mnuBiaoZhun(3) JB标准 [mnuBook3(1)], mnuBiaoZhun(4) HG标准 [mnuBook4(1)], mnuBiaoZhun(5) ASME [mnuBook5(1)], "
      L"mnuBiaoZhun(6) PED [mnuBook6(1)], mnuBiaoZhun(7) SH标准 [mnuBook7(1)], mnuBiaoZhun(8) 制图标准 [mnuBook8(1)], "
      L"mnuBiaoZhun(9) 其它 [mnuBook9(1)]]",
      L"mnuSysSep4 -", L"mnuKelvoSoftDoc Kelvo软件说明文档 [mnuKelvoSoftDocText(1)]",
      L"mnuKelvoSoft Kelvo软件 [mnuKelvoSoftText(1)]", L"mnuSysSep5 -", L"mnuSoft 程序 hidden [mnuSoftText(1)]",
      L"mnuGoto 快捷方式 [mnuGotoText(1)]", L"mnuSysSep6 -", L"mnuMy 公司资料 hidden [mnuMyText(1)]",
      L"mnuSysSep7 - hidden", L"mnuCap(1) 抓屏1-抓整个屏幕并显示Ctrl+Alt+V",
      L"mnuCap(2) 抓屏2 - 抓窗口存入粘贴板及C盘 Ctrl+Alt+C", L"mnuCap(3) 抓屏3 - 连抓", L"mnuSysSep8 -", L"mnuExit 退出"}));
  EXPECT_EQ(ShownItems(tree.Root()).size(), 16u);  // the shown ones; then element 1 with its default caption
  EXPECT_EQ(tree.Find(L"mnuFuHaoText2", 1)->caption, L"符号文字2");
  EXPECT_EQ(tree.Find(L"mnuNoSuchMenu"), nullptr);
}

TEST(ProgramLifetime, OnlyWindowsTheUserCanSeeOrBringBackKeepItAlive) {
  constexpr TopLevelWindow bar{true, false, false}, closingBar{true, false, true};
  constexpr TopLevelWindow helper{true, true, false};        // a never-shown viewer, a shot window
  constexpr TopLevelWindow systemMenu{false, false, false};  // the popup menu, an input-method window
  const std::pair<std::vector<TopLevelWindow>, bool> rows[] = {
      {{closingBar, helper, helper, systemMenu}, false}, {{}, false},
      {{closingBar, helper, bar}, true},  // an open viewer
      {{bar, systemMenu}, true}};         // the bar hidden a moment by 帮助
  for (const auto& [windows, alive] : rows) EXPECT_EQ(ProgramStaysAlive(windows), alive) << windows.size();
}

}  // namespace
}  // namespace velmora
