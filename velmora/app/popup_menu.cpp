#include "velmora/app/popup_menu.h"

namespace velmora {

void PopupMenu::Build(const MenuTree& tree, const MenuLists& lists) {
  keys_.clear();
  unfilled_.clear();
  lists_ = &lists;
  menu_.reset(CreatePopupMenu());
  if (menu_) Fill(menu_.get(), tree.Root());
}

void PopupMenu::Opening(HMENU submenu) {
  const auto found = unfilled_.find(submenu);
  if (found == unfilled_.end()) return;
  const MenuItem* from = found->second;
  unfilled_.erase(found);
  Fill(submenu, *from);
}

void PopupMenu::Fill(HMENU menu, const MenuItem& from) {
  for (const MenuItem* item : ShownItems(from)) {
    const auto list = item->action == MenuAction::Entry ? lists_->find(item->name) : lists_->end();
    if (list != lists_->end()) {
      int index = 0;
      for (const words::ListMenuItem& entry : list->second) Add(menu, entry.caption, {item->name, ++index}, entry.separator);
      continue;
    }
    if (!item->submenu) {
      Add(menu, item->caption, {item->name, item->index}, item->IsSeparator());
      continue;
    }
    HMENU sub = CreatePopupMenu();
    if (!sub) continue;  // out of resources: the submenu is left out
    MENUITEMINFOW info{sizeof info};
    std::wstring caption = item->caption;
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    info.fType = MFT_STRING;
    info.dwTypeData = caption.data();
    info.hSubMenu = sub;  // owned by the menu from here on
    if (!InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info)) {
      DestroyMenu(sub);
      continue;
    }
    unfilled_[sub] = item;
  }
}

void PopupMenu::Add(HMENU menu, const std::wstring& caption, const Key& key, bool separator) {
  MENUITEMINFOW info{sizeof info};
  std::wstring text = caption;
  if (separator) {
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_SEPARATOR;
  } else {
    keys_.push_back(key);
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID;
    info.fType = MFT_STRING;
    info.dwTypeData = text.data();
    info.wID = static_cast<UINT>(keys_.size());
  }
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

UINT PopupMenu::Track(HWND owner, POINT at) const {
  if (!menu_) return 0;
  // The owner must be in front, or the menu would not close when the user
  // clicks elsewhere.
  SetForegroundWindow(owner);
  const UINT id = static_cast<UINT>(TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN,
                                                   at.x, at.y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  return id;
}

const PopupMenu::Key* PopupMenu::KeyOf(UINT id) const {
  if (id == 0 || id > keys_.size()) return nullptr;
  return &keys_[id - 1];
}

}  // namespace velmora
