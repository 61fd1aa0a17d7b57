#pragma once
// Reading a word-list or sentence file from disk (Windows).

#include <string>
#include <string_view>
#include <vector>

#include "velmora/words/list_menu.h"
#include "velmora/words/word_list_lines.h"

namespace words {

// More than any list needs (32767 lines); a larger file is read up to here.
inline constexpr std::size_t kMaxListFileBytes = 32u << 20;

// The file's lines, decoded (byte order mark, UTF-8, otherwise code page 936)
// and split at every line end, at most 32767 of them. A missing or unreadable
// file gives no lines; a file that fails half-way keeps what was read.
ListLines ReadWordListFile(const std::wstring& path);

// The items of a list-backed menu filled from the file: its lines, or element
// 1 alone with its default caption when the file gives none.
std::vector<ListMenuItem> LoadListMenuItems(const std::wstring& path, std::wstring_view defaultCaption,
                                            Ampersands ampersands = Ampersands::Literal);

}  // namespace words
