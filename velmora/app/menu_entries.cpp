#include "velmora/app/menu_entries.h"

#include <utility>

#include "velmora/words/folder_listing.h"
#include "velmora/words/send_word.h"
#include "velmora/words/word_list_file.h"
#include "velmora/words/word_list_table.h"

namespace velmora {

MenuEntries::MenuEntries()
    : MenuEntries(words::shellExe, [](HWND target, std::wstring_view word, HWND bar) {
        words::SendWord(target, word, bar);
      }) {}

MenuEntries::MenuEntries(Opener open, Typist type) : open_(std::move(open)), type_(std::move(type)) {}

MenuLists MenuEntries::Load(const std::wstring& appPath) {
  appPath_ = appPath;
  MenuLists lists;
  constexpr auto kAmpersands = words::Ampersands::AccessKey;
  for (const words::WordListInfo& list : words::WordLists()) {
    lists.insert_or_assign(std::wstring(list.menuName),
                           words::LoadListMenuItems(appPath + std::wstring(list.file), list.defaultCaption, kAmpersands));
  }
  for (const words::FolderMenuInfo& menu : words::FolderMenus()) {
    lists.insert_or_assign(std::wstring(menu.menuName), words::LoadFolderMenuItems(
                                                            appPath + std::wstring(menu.listedFolder),
                                                            menu.defaultCaption, kAmpersands));
  }
  return lists;
}

void MenuEntries::Choose(const MenuChoice& choice) const {
  for (const words::FolderMenuInfo& menu : words::FolderMenus()) {
    if (menu.menuName == choice.array && open_) open_(choice.bar, words::FolderEntryPath(appPath_, menu, choice.value));
  }
  for (const words::WordListInfo& list : words::WordLists()) {
    if (list.menuName != choice.array) continue;
    if (list.click == words::ListClick::TypeWord) {
      if (type_) type_(choice.targetWindow, choice.value, choice.bar);
    } else if (open_) {
      open_(choice.bar, choice.value);
    }
  }
}

}  // namespace velmora
