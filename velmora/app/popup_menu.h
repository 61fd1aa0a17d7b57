#pragma once
// The window system's popup menu built from the menu tree: only the shown
// items, each choosable one with a command id that leads back to its control
// name and index. A submenu gets its items when it is first opened, so a
// long list costs nothing until the user looks into it.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "ui/handles.h"
#include "velmora/app/menu_tree.h"

namespace velmora {

class PopupMenu {
 public:
  // Builds the top level; the tree and the lists must outlive the menu. An
  // array the lists do not hold shows its element 1 from the tree.
  void Build(const MenuTree& tree, const MenuLists& lists);
  // WM_INITMENUPOPUP: fills a submenu of this menu on its first opening.
  void Opening(HMENU submenu);
  // Shows the menu at a screen point and returns the chosen item's command
  // id (0 when the user chose nothing).
  UINT Track(HWND owner, POINT at) const;
  // The control name and index of a command id; nullptr for unknown ids.
  struct Key {
    std::wstring name;
    int index;
  };
  const Key* KeyOf(UINT id) const;
  HMENU Handle() const { return menu_.get(); }

 private:
  void Fill(HMENU menu, const MenuItem& from);
  void Add(HMENU menu, const std::wstring& caption, const Key& key, bool separator);

  ui::Menu menu_;
  const MenuLists* lists_ = nullptr;
  std::map<HMENU, const MenuItem*> unfilled_;
  std::vector<Key> keys_;  // command id i + 1
};

}  // namespace velmora
