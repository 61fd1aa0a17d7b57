// The popup menu tree: what the user sees, and how the lists fit in.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "velmora/app/menu_tree.h"

namespace velmora {
namespace {

// The shown items of a menu as the user reads them: separators as "-", a
// submenu head with " ▸".
std::vector<std::wstring> Shown(const MenuItem& menu) {
  std::vector<std::wstring> out;
  for (const MenuItem* item : ShownItems(menu)) out.push_back(item->submenu ? item->caption + L" ▸" : item->caption);
  return out;
}

bool SeparatorsMeetOrDangle(const MenuItem& menu) {
  const auto shown = ShownItems(menu);
  if (shown.empty()) return false;
  if (shown.front()->IsSeparator() || shown.back()->IsSeparator()) return true;
  for (std::size_t i = 1; i < shown.size(); ++i) {
    if (shown[i]->IsSeparator() && shown[i - 1]->IsSeparator()) return true;
  }
  return false;
}

TEST(MenuTree, ShowsExactlyTheReleasedMenu) {
  const MenuTree tree;
  const std::vector<std::wstring> expected = {
      L"帮助", L"关于", L"上主页检查更新", L"-", L"符号 ▸", L"-", L"Kelvo软件说明文档 ▸", L"Kelvo软件 ▸", L"-",
      L"快捷方式 ▸", L"-", L"抓屏1-抓整个屏幕并显示Ctrl+Alt+V", L"抓屏2 - 抓窗口存入粘贴板及C盘 Ctrl+Alt+C",
      L"抓屏3 - 连抓", L"-", L"退出"};
  EXPECT_EQ(Shown(tree.Root()), expected);
  EXPECT_FALSE(SeparatorsMeetOrDangle(tree.Root()));
}

TEST(MenuTree, HiddenItemsExistWithTheirCommands) {
  const MenuTree tree;
  for (const auto& [name, index, caption] : std::vector<std::tuple<std::wstring, int, std::wstring>>{
           {L"mnuSys", 2, L"自定义"}, {L"mnuInput", kNoIndex, L"QQ快速语句输入"}, {L"mnuMaterial", kNoIndex, L"材料"},
           {L"mnuBiaoZhunName", kNoIndex, L"标准名"}, {L"mnuweb", kNoIndex, L"网址"}, {L"mnuDir", 1, L"目录"},
           {L"mnuSoft", kNoIndex, L"程序"}, {L"mnuMy", kNoIndex, L"公司资料"}, {L"mnuState", 0, L"计算重量"}}) {
    const MenuItem* item = tree.Find(name, index);
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->caption, caption);
    EXPECT_FALSE(item->visible) << name;
  }
  EXPECT_EQ(tree.Find(L"mnuInput")->action, MenuAction::StatementInput);
  EXPECT_EQ(tree.Find(L"mnuSys", 2)->action, MenuAction::Customise);
}

TEST(MenuTree, EveryListStartsWithItsDefaultFirstElement) {
  const MenuTree tree;
  const std::vector<std::pair<std::wstring, std::wstring>> lists = {
      {L"mnuFuHaoText1", L"符号文字1"}, {L"mnuFuHaoText2", L"符号文字2"}, {L"mnuFuHaoText6", L"符号文字1"},
      {L"mnuFuHaoOther", L"符号"}, {L"mnuMaterialOther", L"材料1"}, {L"mnuGBText5", L""}, {L"mnuJBText1", L""},
      {L"mnuHGText", L""}, {L"mnuAsmeText", L""}, {L"mnuPedText", L""}, {L"mnuSHText", L""}, {L"mnuUseText", L""},
      {L"mnuBiaoZhunOtherText", L""}, {L"mnuWebText", L"网址1"}, {L"mnuDirText", L"目录1"}, {L"mnuBook1", L""},
      {L"mnuBook9", L""}, {L"mnuMyText", L""}, {L"mnuFileText", L"文档1"}, {L"mnuKelvoSoftDocText", L"文档"},
      {L"mnuKelvoSoftText", L"mnuKelvoSoft"}, {L"mnuSoftText", L"程序1"}, {L"mnuGotoText", L"快捷方式1"}};
  for (const auto& [array, caption] : lists) {
    EXPECT_EQ(tree.Count(array), 1) << array;
    const MenuItem* first = tree.Find(array, 1);
    ASSERT_NE(first, nullptr) << array;
    EXPECT_EQ(first->caption, caption) << array;
    EXPECT_EQ(first->action, MenuAction::Entry);
    EXPECT_TRUE(first->visible);
  }
}

TEST(MenuTree, SymbolMenuHoldsSixGroupsThenTheDefaultList) {
  const MenuTree tree;
  const MenuItem* symbols = tree.Find(L"mnuFuHao");
  ASSERT_NE(symbols, nullptr);
  EXPECT_EQ(Shown(*symbols), (std::vector<std::wstring>{L"常用符号 ▸", L"标点符号 ▸", L"数字符号 ▸", L"罗马字母 ▸",
                                                        L"希腊字母 ▸", L"其它 ▸", L"符号"}));
}

TEST(MenuTree, AddedElementsFollowTheirArrayInItsSubmenu) {
  MenuTree tree;
  ASSERT_TRUE(tree.SetCaption(L"mnuFuHaoOther", 1, L"±"));
  EXPECT_EQ(tree.AddElement(L"mnuFuHaoOther", L"≤"), 2);
  EXPECT_EQ(tree.AddElement(L"mnuFuHaoText5", L"α"), 2);
  EXPECT_EQ(tree.AddElement(L"mnuFuHaoOther", L"-"), 3);
  const MenuItem* symbols = tree.Find(L"mnuFuHao");
  EXPECT_EQ(Shown(*symbols).back(), L"-");
  EXPECT_EQ(Shown(*symbols)[6], L"±");
  EXPECT_EQ(Shown(*tree.Find(L"mnuFuHaoFile", 5)), (std::vector<std::wstring>{L"符号文字1", L"α"}));
  const MenuItem* added = tree.Find(L"mnuFuHaoOther", 2);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->action, MenuAction::Entry);
  EXPECT_EQ(tree.Count(L"mnuFuHaoOther"), 3);
  // The top level is untouched by what the lists hold.
  EXPECT_FALSE(SeparatorsMeetOrDangle(tree.Root()));
}

TEST(MenuTree, ArraysStopAtTheirLastIndexAndUnknownNamesChangeNothing) {
  MenuTree tree;
  for (int i = 2; i <= kMaxArrayIndex; ++i) ASSERT_EQ(tree.AddElement(L"mnuGotoText", L"x"), i);
  EXPECT_EQ(tree.AddElement(L"mnuGotoText", L"one too many"), 0);
  EXPECT_EQ(tree.Count(L"mnuGotoText"), kMaxArrayIndex);
  EXPECT_EQ(tree.AddElement(L"mnuNoSuchList", L"x"), 0);
  EXPECT_FALSE(tree.SetCaption(L"mnuGotoText", kMaxArrayIndex + 1, L"x"));
  // A single item is no array: nothing can be added behind it.
  EXPECT_EQ(tree.AddElement(L"mnuExit", L"x"), 0);
}

TEST(MenuTree, ACopyKeepsWorkingAfterTheOriginalIsGone) {
  MenuTree copy;
  {
    MenuTree original;
    original.AddElement(L"mnuWebText", L"a");
    copy = original;
  }
  EXPECT_EQ(copy.AddElement(L"mnuWebText", L"b"), 3);
  EXPECT_EQ(copy.Find(L"mnuWebText", 3)->caption, L"b");
}

}  // namespace
}  // namespace velmora
