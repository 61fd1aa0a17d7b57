#pragma once
// The bar's popup menu as plain data: every item of the tree, shown or
// hidden, with the control name and index it answers to. A list-backed or
// folder menu stands here as its element 1 with its default caption; the
// entries read at load take its place when the submenu is first opened.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "velmora/words/list_menu.h"

namespace velmora {

// What choosing an item does.
enum class MenuAction {
  None,        // an item without a command (and every separator)
  Help,
  About,
  Customise,   // hides the bar and shows it again; nothing else
  HomePage,
  StatementInput,
  Capture1,
  Capture2,
  Capture3,
  Exit,
  Entry,       // an element of a list-backed or folder menu
};

inline constexpr int kNoIndex = -1;  // an item that is not part of a control array

struct MenuItem {
  std::wstring name;     // control name: "mnuSys", "mnuFuHaoText1"
  int index = kNoIndex;  // element index within its control array
  std::wstring caption;  // "-" shows as a separator line
  bool visible = true;
  MenuAction action = MenuAction::None;
  bool submenu = false;  // a submenu head (marked ▸ when shown)
  std::vector<MenuItem> children;

  bool IsSeparator() const { return !submenu && caption == L"-"; }
};

class MenuTree {
 public:
  MenuTree();

  // The never-shown head of the popup menu (MyPopMenu2).
  const MenuItem& Root() const { return root_; }

  const MenuItem* Find(std::wstring_view name, int index = kNoIndex) const;

 private:
  MenuItem root_;
};

// The entries read at load for each list-backed and folder menu, by its
// array name; element i + 1 is entry i.
using MenuLists = std::map<std::wstring, std::vector<words::ListMenuItem>, std::less<>>;

// The items of one menu that are shown, in order.
std::vector<const MenuItem*> ShownItems(const MenuItem& menu);

}  // namespace velmora
