#pragma once
// The bar's popup menu as plain data: every item of the tree, shown or
// hidden, with the control name and index it answers to. The lists and
// folders fill their menu arrays here at load; the window system's menu is
// built from this tree afterwards and never changes the tree.

#include <string>
#include <string_view>
#include <vector>

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
inline constexpr int kMaxArrayIndex = 32767;

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
  // The tree as the program starts: every list and folder menu holds only its
  // element 1 with its default caption.
  MenuTree();
  MenuTree(const MenuTree& other) : root_(other.root_) {}
  MenuTree& operator=(const MenuTree& other) {
    root_ = other.root_;
    cachedParent_ = nullptr;
    return *this;
  }

  // The never-shown head of the popup menu (MyPopMenu2).
  const MenuItem& Root() const { return root_; }

  MenuItem* Find(std::wstring_view name, int index = kNoIndex);
  const MenuItem* Find(std::wstring_view name, int index = kNoIndex) const;

  // Number of elements of a control array (0 when there is no such array).
  int Count(std::wstring_view array) const;
  bool SetCaption(std::wstring_view array, int index, std::wstring caption);
  // Creates the next element of a control array right behind its last one,
  // in the same submenu, like it in everything but the caption. Returns the
  // new element's index, or 0 when there is no such array or it is full.
  int AddElement(std::wstring_view array, std::wstring caption);

 private:
  MenuItem* ParentOf(std::wstring_view array);

  MenuItem root_;
  // The loaders add thousands of elements to one array in a row; the submenu
  // that holds it is remembered so each addition does not search the tree.
  std::wstring cachedArray_;
  MenuItem* cachedParent_ = nullptr;
};

// The items of one menu that are shown, in order.
std::vector<const MenuItem*> ShownItems(const MenuItem& menu);

}  // namespace velmora
