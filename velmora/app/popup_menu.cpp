#include "velmora/app/popup_menu.h"

namespace velmora {

void PopupMenu::Build(const MenuTree& tree) {
  keys_.clear();
  menu_.reset(CreatePopupMenu());
  if (menu_) Fill(menu_.get(), tree.Root());
}

void PopupMenu::Fill(HMENU menu, const MenuItem& from) {
  for (const MenuItem* item : ShownItems(from)) {
    MENUITEMINFOW info{sizeof info};
    std::wstring caption = item->caption;
    if (item->IsSeparator()) {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
    } else {
      info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID;
      info.fType = MFT_STRING;
      info.dwTypeData = caption.data();
      if (item->submenu) {
        HMENU sub = CreatePopupMenu();
        if (!sub) continue;  // out of resources: the submenu is left out
        Fill(sub, *item);
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = sub;  // owned by the menu from here on
      } else {
        keys_.push_back({item->name, item->index});
        info.wID = static_cast<UINT>(keys_.size());
      }
    }
    if (!InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info) && info.hSubMenu) DestroyMenu(info.hSubMenu);
  }
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
