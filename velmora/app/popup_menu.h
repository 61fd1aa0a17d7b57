#pragma once
// The window system's popup menu built from the menu tree: only the shown
// items, each choosable one with a command id that leads back to its control
// name and index.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/handles.h"
#include "velmora/app/menu_tree.h"

namespace velmora {

class PopupMenu {
 public:
  // Builds the menu from the tree as it stands; the tree is not kept.
  void Build(const MenuTree& tree);
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

  ui::Menu menu_;
  std::vector<Key> keys_;  // command id i + 1
};

}  // namespace velmora
