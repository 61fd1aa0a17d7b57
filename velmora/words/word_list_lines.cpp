#include "velmora/words/word_list_lines.h"

namespace words {

ListLines SplitListLines(std::wstring_view text, std::size_t limit) {
  ListLines result;
  std::size_t start = 0;
  while (start < text.size()) {
    if (result.lines.size() == limit) {
      result.truncated = true;
      break;
    }
    std::size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring_view::npos) end = text.size();
    result.lines.emplace_back(text.substr(start, end - start));
    start = end;
    if (start < text.size()) {
      const bool crLf = text[start] == L'\r' && start + 1 < text.size() && text[start + 1] == L'\n';
      start += crLf ? 2 : 1;
    }
  }
  return result;
}

}  // namespace words
