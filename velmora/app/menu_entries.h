#pragma once
// The list-backed and folder menus of the bar: read from the program folder
// at every load of the bar, and what a click on one of their entries does.
// The menu shows each line as a caption ("&x" underlines x); a click hands
// on the line exactly as the list or folder gives it.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "velmora/app/bar_services.h"
#include "velmora/app/menu_tree.h"

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
  MenuLists Load(const std::wstring& appPath);
  // A click on an entry of a loaded array.
  void Choose(const MenuChoice& choice) const;

 private:
  Opener open_;
  Typist type_;
  std::wstring appPath_;
};

}  // namespace velmora
