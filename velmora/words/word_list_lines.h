#pragma once
// Splitting a list file's text into its entries, one per line.
//
// CR LF, a lone LF and a lone CR each end a line (files pass through editors
// of every kind); a last line without a line end is an entry too, but a line
// end at the very end of the file does not start one more. Each line is kept
// whole, with its leading and trailing spaces; an empty line is an empty
// entry. Menu items are numbered with a 16-bit signed index, so at most 32767
// lines are taken: the ones before the limit stay, the rest are left out.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace words {

inline constexpr std::size_t kMaxListLines = 32767;

struct ListLines {
  std::vector<std::wstring> lines;
  bool truncated = false;  // the text held more lines than the limit
};

ListLines SplitListLines(std::wstring_view text, std::size_t limit = kMaxListLines);

}  // namespace words
