#pragma once
// The folder menus and the one shell call every launch uses (Windows).

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "velmora/words/list_menu.h"
#include "velmora/words/word_list_table.h"

namespace words {

// The names (with extension) of the folder's ordinary files: subfolders,
// hidden and system files left out, read-only files kept; in the order
// Explorer shows them (StrCmpLogicalW: digits by value, case ignored). At most
// 32767, like a list. A missing folder gives none. The folder may end with a
// backslash or not.
std::vector<std::wstring> ListFolderFiles(const std::wstring& folder);

// The items of a folder menu: one per file, or element 1 alone with its
// default caption when the folder gives none. A click hands on the file name.
std::vector<ListMenuItem> LoadFolderMenuItems(const std::wstring& folder, std::wstring_view defaultCaption,
                                              Ampersands ampersands = Ampersands::Literal);

// Opens a document, shortcut, program, folder or address through the shell,
// the path as written. Nothing waits and a failure is not reported (a
// file deleted since start, no associated program, a bad address).
void shellExe(HWND owner, const std::wstring& path);

}  // namespace words
