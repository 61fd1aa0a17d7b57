#include "velmora/words/word_list_table.h"

#include <array>

namespace words {
namespace {

using enum ListClick;

constexpr std::array<WordListInfo, 26> kWordLists{{
    {L"mnuFuHaoText1", L"符号\\常用符号.txt", L"符号文字1", TypeWord},
    {L"mnuFuHaoText2", L"符号\\标点符号.txt", L"符号文字2", TypeWord},
    {L"mnuFuHaoText3", L"符号\\数字符号.txt", L"符号文字1", TypeWord},
    {L"mnuFuHaoText4", L"符号\\罗马字母.txt", L"符号文字1", TypeWord},
    {L"mnuFuHaoText5", L"符号\\希腊字母.txt", L"符号文字1", TypeWord},
    {L"mnuFuHaoText6", L"符号\\其它.txt", L"符号文字1", TypeWord},
    {L"mnuFuHaoOther", L"符号\\默认.txt", L"符号", TypeWord},
    {L"mnuMaterialOther", L"材料\\默认.txt", L"材料1", TypeWord},
    {L"mnuGBText1", L"标准名\\GB基础标准.txt", L"", TypeWord},
    {L"mnuGBText2", L"标准名\\GB材料标准.txt", L"", TypeWord},
    {L"mnuGBText3", L"标准名\\GB方法标准.txt", L"", TypeWord},
    {L"mnuGBText4", L"标准名\\GB工艺标准.txt", L"", TypeWord},
    {L"mnuGBText5", L"标准名\\GB其它.txt", L"", TypeWord},
    {L"mnuJBText1", L"标准名\\JB基础标准.txt", L"", TypeWord},
    {L"mnuJBText2", L"标准名\\JB材料标准.txt", L"", TypeWord},
    {L"mnuJBText3", L"标准名\\JB方法标准.txt", L"", TypeWord},
    {L"mnuJBText4", L"标准名\\JB工艺标准.txt", L"", TypeWord},
    {L"mnuJBText5", L"标准名\\JB其它.txt", L"", TypeWord},
    {L"mnuHGText", L"标准名\\HG.txt", L"", TypeWord},
    {L"mnuUseText", L"标准名\\常用.txt", L"", TypeWord},
    {L"mnuBiaoZhunOtherText", L"标准名\\其它.txt", L"", TypeWord},
    {L"mnuAsmeText", L"标准名\\ASME.txt", L"", TypeWord},
    {L"mnuPedText", L"标准名\\PED.txt", L"", TypeWord},
    {L"mnuSHText", L"标准名\\SH.txt", L"", TypeWord},
    {L"mnuWebText", L"网址\\默认.txt", L"网址1", OpenAddress},
    {L"mnuDirText", L"目录\\默认.txt", L"目录1", OpenFolder},
}};

// Some listed folders carry no trailing backslash; the listing does not need
// one, while the opened path always has it.
constexpr std::array<FolderMenuInfo, 15> kFolderMenus{{
    {L"mnuBook1", L"标准\\规程", L"标准\\规程\\", L""},
    {L"mnuBook2", L"标准\\GB\\", L"标准\\GB\\", L""},
    {L"mnuBook3", L"标准\\JB\\", L"标准\\JB\\", L""},
    {L"mnuBook4", L"标准\\HG\\", L"标准\\HG\\", L""},
    {L"mnuBook5", L"标准\\ASME\\", L"标准\\ASME\\", L""},
    {L"mnuBook6", L"标准\\PED\\", L"标准\\PED\\", L""},
    {L"mnuBook7", L"标准\\SH", L"标准\\SH\\", L""},
    {L"mnuBook8", L"标准\\制图标准", L"标准\\制图标准\\", L""},
    {L"mnuBook9", L"标准\\其它", L"标准\\其它\\", L""},
    {L"mnuMyText", L"公司\\", L"公司\\", L""},
    {L"mnuFileText", L"文档\\", L"文档\\", L"文档1"},
    {L"mnuKelvoSoftDocText", L"Kelvo软件说明文档\\", L"Kelvo软件说明文档\\", L"文档"},
    {L"mnuKelvoSoftText", L"Kelvo软件\\", L"Kelvo软件\\", L"mnuKelvoSoft"},
    {L"mnuSoftText", L"程序\\", L"程序\\", L"程序1"},
    {L"mnuGotoText", L"快捷方式\\", L"快捷方式\\", L"快捷方式1"},
}};

}  // namespace

std::span<const WordListInfo> WordLists() { return kWordLists; }
std::span<const FolderMenuInfo> FolderMenus() { return kFolderMenus; }

std::wstring_view DefaultCaption(std::wstring_view menuName) {
  for (const WordListInfo& list : kWordLists) {
    if (list.menuName == menuName) return list.defaultCaption;
  }
  for (const FolderMenuInfo& menu : kFolderMenus) {
    if (menu.menuName == menuName) return menu.defaultCaption;
  }
  return {};
}

std::wstring FolderEntryPath(std::wstring_view appPath, const FolderMenuInfo& menu, std::wstring_view caption) {
  std::wstring path(appPath);
  path += menu.openedFolder;
  path += caption;
  return path;
}

}  // namespace words
