#pragma once
// The list-backed and folder menus of the bar: filled from the program
// folder at every load of the bar, and what a click on one of their entries
// does. The menu shows each line as a caption ("&x" underlines x); a click
// hands on the line exactly as the list or folder gives it.

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "velmora/app/bar_services.h"
#include "velmora/words/list_menu.h"
#include "velmora/app/menu_tree.h"
#include "velmora/words/word_list_table.h"

namespace velmora {

class MenuEntries {
 public:
  // Opens a path or address through the shell; types a word into a window.
  using Opener = std::function<void(HWND owner, const std::wstring& path)>;
  using Typist = std::function<void(HWND target, std::wstring_view word, HWND clipboardOwner)>;

  MenuEntries();  // the shell and SendWord
  MenuEntries(Opener open, Typist type);

  // All 26 lists, then all 15 folder menus, each in its order; hidden
  // submenus exactly like shown ones. appPath ends with "\".
  void Fill(MenuTree& tree, const std::wstring& appPath);
  // A click on element `index` of a filled array.
  void Choose(const MenuChoice& choice) const;

  // The line a click on the element hands on; nullptr for unknown elements.
  const std::wstring* Value(std::wstring_view array, int index) const;

 private:
  struct Filled {
    words::ListClick click = words::ListClick::TypeWord;
    const words::FolderMenuInfo* folder = nullptr;  // set for folder menus
    std::vector<std::wstring> values;               // element i + 1
  };

  void FillArray(MenuTree& tree, std::wstring_view array, Filled filled,
                 const std::vector<words::ListMenuItem>& items);

  Opener open_;
  Typist type_;
  std::wstring appPath_;
  std::map<std::wstring, Filled, std::less<>> arrays_;
};

}  // namespace velmora
