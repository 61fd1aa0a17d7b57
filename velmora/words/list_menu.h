#pragma once
// The rules that turn a list's lines into the items of its submenu.
//
// Element 1 always exists: while the list gives no line it keeps its default
// caption, and choosing it hands on that caption. An empty line is an empty,
// choosable item (it types nothing); a line that is exactly "-" is a separator
// that cannot be chosen. A click always hands on the line as written.

#include <string>
#include <string_view>
#include <vector>

namespace words {

// How an "&" in a line reaches the menu.
enum class Ampersands {
  Literal,    // shown as written: doubled in the caption handed to the menu
  AccessKey,  // menu convention: "&x" underlines x, "&&" shows one "&"
};

struct ListMenuItem {
  std::wstring caption;    // handed to the menu
  std::wstring value;      // handed on by a click
  bool separator = false;  // drawn as a line, never chosen
};

// The caption the menu is given for a line.
std::wstring MenuCaption(std::wstring_view line, Ampersands ampersands);

// The items of one submenu, element 1 first.
std::vector<ListMenuItem> ListMenuItems(const std::vector<std::wstring>& lines, std::wstring_view defaultCaption,
                                        Ampersands ampersands = Ampersands::Literal);

}  // namespace words
