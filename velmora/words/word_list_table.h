#pragma once
// Every list-backed menu and every folder menu of the bar, in the order the
// bar fills them at load. Paths are relative to AppPath (the program folder
// with its trailing backslash).

#include <span>
#include <string>
#include <string_view>

namespace words {

// What a click on an entry of the list does with the entry's line.
enum class ListClick {
  TypeWord,     // SendWord with the line
  OpenAddress,  // the line, unchanged, through shellExe (a web address)
  OpenFolder,   // the line, unchanged, through shellExe (a folder path)
};

struct WordListInfo {
  std::wstring_view menuName;        // the menu array's name, e.g. mnuFuHaoText1
  std::wstring_view file;            // relative to AppPath
  std::wstring_view defaultCaption;  // element 1's caption while the file gives none
  ListClick click;
};

struct FolderMenuInfo {
  std::wstring_view menuName;        // e.g. mnuBook1
  std::wstring_view listedFolder;    // the folder whose files are listed
  std::wstring_view openedFolder;    // put in front of an entry's caption on a click
  std::wstring_view defaultCaption;  // element 1's caption while the folder gives none
};

// The 26 word lists, in load order.
std::span<const WordListInfo> WordLists();
// The 15 folder menus, in load order (loaded after the word lists).
std::span<const FolderMenuInfo> FolderMenus();

// Element 1's caption of a list or folder menu before anything is read
// (empty for a name that is neither).
std::wstring_view DefaultCaption(std::wstring_view menuName);

// The path a click on a folder-menu entry opens: AppPath + the opened folder +
// the entry's caption. A blank caption (an empty folder's lone item) opens the
// folder itself.
std::wstring FolderEntryPath(std::wstring_view appPath, const FolderMenuInfo& menu, std::wstring_view caption);

}  // namespace words
