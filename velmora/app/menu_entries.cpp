#include "velmora/app/menu_entries.h"

#include <utility>

#include "velmora/words/folder_listing.h"
#include "velmora/words/send_word.h"
#include "velmora/words/word_list_file.h"

namespace velmora {

MenuEntries::MenuEntries() : MenuEntries(words::shellExe, words::SendWord) {}

MenuEntries::MenuEntries(Opener open, Typist type) : open_(std::move(open)), type_(std::move(type)) {}

void MenuEntries::Fill(MenuTree& tree, const std::wstring& appPath) {
  appPath_ = appPath;
  arrays_.clear();
  constexpr auto kAmpersands = words::Ampersands::AccessKey;
  for (const words::WordListInfo& list : words::WordLists()) {
    const auto items = words::LoadListMenuItems(appPath + std::wstring(list.file), list.defaultCaption, kAmpersands);
    FillArray(tree, list.menuName, {list.click, nullptr, {}}, items);
  }
  for (const words::FolderMenuInfo& menu : words::FolderMenus()) {
    const auto items =
        words::LoadFolderMenuItems(appPath + std::wstring(menu.listedFolder), menu.defaultCaption, kAmpersands);
    FillArray(tree, menu.menuName, {words::ListClick::TypeWord, &menu, {}}, items);
  }
}

// Element 1 is given its caption, the others are appended behind it one by
// one, in order: the tree remembers where the array stands, so a list of
// 32 767 lines costs no more than its length.
void MenuEntries::FillArray(MenuTree& tree, std::wstring_view array, Filled filled,
                            const std::vector<words::ListMenuItem>& items) {
  filled.values.reserve(items.size());
  for (const words::ListMenuItem& item : items) {
    std::wstring caption = item.separator ? L"-" : item.caption;
    const bool placed = filled.values.empty() ? tree.SetCaption(array, 1, std::move(caption))
                                              : tree.AddElement(array, std::move(caption)) != 0;
    if (!placed) break;
    filled.values.push_back(item.value);
  }
  arrays_.insert_or_assign(std::wstring(array), std::move(filled));
}

const std::wstring* MenuEntries::Value(std::wstring_view array, int index) const {
  const auto found = arrays_.find(array);
  if (found == arrays_.end() || index < 1) return nullptr;
  const auto& values = found->second.values;
  return static_cast<std::size_t>(index) <= values.size() ? &values[static_cast<std::size_t>(index) - 1] : nullptr;
}

void MenuEntries::Choose(const MenuChoice& choice) const {
  const auto found = arrays_.find(choice.array);
  if (found == arrays_.end()) return;
  const Filled& filled = found->second;
  const std::wstring* value = Value(choice.array, choice.index);
  if (!value) return;
  if (filled.folder) {
    if (open_) open_(choice.bar, words::FolderEntryPath(appPath_, *filled.folder, *value));
    return;
  }
  switch (filled.click) {
    case words::ListClick::TypeWord:
      if (type_) type_(choice.targetWindow, *value, choice.bar);
      break;
    case words::ListClick::OpenAddress:
    case words::ListClick::OpenFolder:
      if (open_) open_(choice.bar, *value);
      break;
  }
}

}  // namespace velmora
