#include "velmora/words/list_menu.h"

namespace words {
namespace {

ListMenuItem ItemFor(std::wstring_view line, Ampersands ampersands) {
  ListMenuItem item;
  item.value = line;
  item.separator = line == L"-";
  if (!item.separator) item.caption = MenuCaption(line, ampersands);
  return item;
}

}  // namespace

std::wstring MenuCaption(std::wstring_view line, Ampersands ampersands) {
  std::wstring caption;
  caption.reserve(line.size());
  for (const wchar_t c : line) {
    // A menu caption ends at a NUL; binary garbage must not cut it short unseen.
    if (c == L'\0') {
      caption.push_back(0xFFFD);
      continue;
    }
    caption.push_back(c);
    if (c == L'&' && ampersands == Ampersands::Literal) caption.push_back(L'&');
  }
  return caption;
}

std::vector<ListMenuItem> ListMenuItems(const std::vector<std::wstring>& lines, std::wstring_view defaultCaption,
                                        Ampersands ampersands) {
  if (lines.empty()) return {ItemFor(defaultCaption, ampersands)};
  std::vector<ListMenuItem> items;
  items.reserve(lines.size());
  for (const std::wstring& line : lines) items.push_back(ItemFor(line, ampersands));
  return items;
}

}  // namespace words
