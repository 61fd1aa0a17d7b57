#pragma once
// What the bar hands on to the other parts of the program. wWinMain fills
// these in; an empty hook does nothing.

#include <windows.h>

#include <functional>
#include <string>

#include "velmora/app/menu_tree.h"

namespace velmora {

// A chosen element of a list-backed or folder menu.
struct MenuChoice {
  std::wstring array;    // control-array name, "mnuFuHaoText1", "mnuGotoText"
  int index = 0;         // element index, from 1
  std::wstring value;    // the line exactly as the list or folder gives it
  HWND bar = nullptr;
  HWND targetWindow = nullptr;  // last foreground window that was not the bar
};

struct BarServices {
  // Ctrl+Alt+C and Ctrl+Alt+V, bound to the bar's window; registered when
  // the bar is created and removed when it closes.
  std::function<void(HWND bar)> registerHotKeys;
  std::function<void(HWND bar)> unregisterHotKeys;
  // Capture modes 1 ("抓", mnuCap(1)), 2 and 3. The bar may be hidden and
  // shown again by a capture.
  std::function<void(int mode, HWND bar)> capture;
  // Reads the list-backed menus and then the folder menus, at every load of
  // the bar, before its menu is built. appPath ends with "\".
  std::function<MenuLists(const std::wstring& appPath)> loadMenus;
  // A click on an element of a list-backed or folder menu.
  std::function<void(const MenuChoice& choice)> chooseEntry;
  // mnuInput: the statement input window.
  std::function<void(HWND bar)> showStatementInput;
};

// What the bar asks of the program itself.
struct BarHost {
  std::function<void()> showHelp;
  std::function<void()> showAbout;
  std::function<void()> exitProgram;  // after the bar has closed itself
};

}  // namespace velmora
