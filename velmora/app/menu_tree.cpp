#include "velmora/app/menu_tree.h"

#include <utility>

#include "velmora/words/word_list_table.h"

namespace velmora {
namespace {

using A = MenuAction;

MenuItem Command(std::wstring name, int index, std::wstring caption, bool visible, A action = A::None) {
  return MenuItem{std::move(name), index, std::move(caption), visible, action, false, {}};
}

MenuItem Separator(std::wstring name, bool visible) {
  return Command(std::move(name), kNoIndex, L"-", visible);
}

MenuItem Head(std::wstring name, int index, std::wstring caption, bool visible, std::vector<MenuItem> children) {
  return MenuItem{std::move(name), index, std::move(caption), visible, A::None, true, std::move(children)};
}

// Element 1 of a list-backed or folder menu, with the list's default caption.
MenuItem FirstEntry(std::wstring array) {
  std::wstring caption(words::DefaultCaption(array));
  return Command(std::move(array), 1, std::move(caption), true, A::Entry);
}

// A head whose only child is element 1 of a list.
MenuItem ListHead(std::wstring name, int index, std::wstring caption, bool visible, std::wstring array) {
  return Head(std::move(name), index, std::move(caption), visible, {FirstEntry(std::move(array))});
}

MenuItem SymbolMenu() {
  const wchar_t* groups[] = {L"常用符号", L"标点符号", L"数字符号", L"罗马字母", L"希腊字母", L"其它"};
  std::vector<MenuItem> children;
  for (int i = 1; i <= 6; ++i) {
    children.push_back(ListHead(L"mnuFuHaoFile", i, groups[i - 1], true, L"mnuFuHaoText" + std::to_wstring(i)));
  }
  children.push_back(FirstEntry(L"mnuFuHaoOther"));
  return Head(L"mnuFuHao", kNoIndex, L"符号", true, std::move(children));
}

MenuItem StandardNameMenu() {
  std::vector<MenuItem> children;
  const wchar_t* gb[] = {L"GB基础标准", L"GB材料标准", L"GB方法标准", L"GB工艺标准", L"GB其它标准"};
  const wchar_t* jb[] = {L"JB基础标准", L"JB材料标准", L"JB方法标准.", L"JB工艺标准", L"JB其它标准"};
  for (int i = 1; i <= 5; ++i) {
    children.push_back(ListHead(L"mnuGB", i, gb[i - 1], true, L"mnuGBText" + std::to_wstring(i)));
  }
  for (int i = 1; i <= 5; ++i) {
    children.push_back(ListHead(L"mnuJB", i, jb[i - 1], true, L"mnuJBText" + std::to_wstring(i)));
  }
  children.push_back(ListHead(L"mnuHG", kNoIndex, L"HG标准", true, L"mnuHGText"));
  children.push_back(ListHead(L"mnuAsme", kNoIndex, L"ASME标准", true, L"mnuAsmeText"));
  children.push_back(ListHead(L"mnuPed", kNoIndex, L"PED标准", true, L"mnuPedText"));
  children.push_back(ListHead(L"mnuSH", kNoIndex, L"SH标准", true, L"mnuSHText"));
  children.push_back(ListHead(L"mnuUse", kNoIndex, L"常用", true, L"mnuUseText"));
  children.push_back(ListHead(L"mnuBiaoZhunOther", kNoIndex, L"其它", true, L"mnuBiaoZhunOtherText"));
  return Head(L"mnuBiaoZhunName", kNoIndex, L"标准名", false, std::move(children));
}

MenuItem StandardsMenu() {
  const wchar_t* groups[] = {L"规程", L"GB标准", L"JB标准", L"HG标准", L"ASME", L"PED", L"SH标准", L"制图标准", L"其它"};
  std::vector<MenuItem> children;
  for (int i = 1; i <= 9; ++i) {
    children.push_back(ListHead(L"mnuBiaoZhun", i, groups[i - 1], true, L"mnuBook" + std::to_wstring(i)));
  }
  return Head(L"mnuBiaoZhunBook", kNoIndex, L"标准", false, std::move(children));
}

std::vector<MenuItem> TopLevel() {
  return {
      Command(L"mnuSys", 0, L"帮助", true, A::Help),
      Command(L"mnuSys", 1, L"关于", true, A::About),
      Command(L"mnuSys", 2, L"自定义", false, A::Customise),
      Command(L"mnuHomeWeb", kNoIndex, L"上主页检查更新", true, A::HomePage),
      Separator(L"mnuSysSep1", false),
      Command(L"mnuHide", kNoIndex, L"隐藏文件", false),
      Command(L"mnuTime", kNoIndex, L"计时", false),
      Command(L"mnuInput", kNoIndex, L"QQ快速语句输入", false, A::StatementInput),
      Separator(L"mnuSysSep11", false),
      Command(L"mnuCha", kNoIndex, L"查询", false),
      Command(L"mnuWeightXG", kNoIndex, L"计算重量(型刚)", false),
      Command(L"mnuState", 0, L"计算重量", false),
      Separator(L"mnuSysSep2", true),
      SymbolMenu(),
      ListHead(L"mnuMaterial", kNoIndex, L"材料", false, L"mnuMaterialOther"),
      StandardNameMenu(),
      Separator(L"mnuSysSep3", false),
      ListHead(L"mnuweb", kNoIndex, L"网址", false, L"mnuWebText"),
      ListHead(L"mnuDir", 1, L"目录", false, L"mnuDirText"),
      ListHead(L"mnuFile", kNoIndex, L"文档", false, L"mnuFileText"),
      StandardsMenu(),
      Separator(L"mnuSysSep4", true),
      ListHead(L"mnuKelvoSoftDoc", kNoIndex, L"Kelvo软件说明文档", true, L"mnuKelvoSoftDocText"),
      ListHead(L"mnuKelvoSoft", kNoIndex, L"Kelvo软件", true, L"mnuKelvoSoftText"),
      Separator(L"mnuSysSep5", true),
      ListHead(L"mnuSoft", kNoIndex, L"程序", false, L"mnuSoftText"),
      ListHead(L"mnuGoto", kNoIndex, L"快捷方式", true, L"mnuGotoText"),
      Separator(L"mnuSysSep6", true),
      ListHead(L"mnuMy", kNoIndex, L"公司资料", false, L"mnuMyText"),
      Separator(L"mnuSysSep7", false),
      Command(L"mnuCap", 1, L"抓屏1-抓整个屏幕并显示Ctrl+Alt+V", true, A::Capture1),
      Command(L"mnuCap", 2, L"抓屏2 - 抓窗口存入粘贴板及C盘 Ctrl+Alt+C", true, A::Capture2),
      Command(L"mnuCap", 3, L"抓屏3 - 连抓", true, A::Capture3),
      Separator(L"mnuSysSep8", true),
      Command(L"mnuExit", kNoIndex, L"退出", true, A::Exit),
  };
}

template <typename Item, typename Visit>
Item* Walk(Item& menu, Visit&& visit) {
  for (auto& child : menu.children) {
    if (visit(child)) return &child;
    if (Item* found = Walk(child, visit)) return found;
  }
  return nullptr;
}

}  // namespace

MenuTree::MenuTree() : root_(Head(L"MyPopMenu2", kNoIndex, L"", false, TopLevel())) {}

const MenuItem* MenuTree::Find(std::wstring_view name, int index) const {
  return Walk(root_, [&](const MenuItem& item) { return item.name == name && item.index == index; });
}

std::vector<const MenuItem*> ShownItems(const MenuItem& menu) {
  std::vector<const MenuItem*> shown;
  for (const MenuItem& child : menu.children) {
    if (child.visible) shown.push_back(&child);
  }
  return shown;
}

}  // namespace velmora
