#pragma once
// The three browsing lists of the classic file dialogs, as child controls a
// window places where it likes: a drop-down list of the system's drives, a
// list of folders (the path's folders down to the current one, indented, then
// the current folder's subfolders; a double-click opens a folder), and a list
// of the files of one folder that match a pattern such as "*.txt;*.inf".
//
// The lists do not cascade by themselves: the owner window hears the user's
// changes as the usual notifications (CBN_SELCHANGE from the drive list,
// LBN_DBLCLK from the folder list, LBN_SELCHANGE from the file list) and
// passes them on, drive → folders → files, as its own rules say. A drive
// that is not ready or a folder that cannot be read never changes a list.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/folder_chain.h"

namespace ui {

class DriveList {
 public:
  HWND Create(HWND parent, int id);
  HWND Handle() const { return hwnd_; }

  // Reads the system's drives again; the selection stays on its drive.
  void Refresh();
  // The selected drive as "c:" (a share as "\\server\share"); empty if none.
  std::wstring Drive() const;
  // Selects the drive a path lies on. False, with the selection unchanged,
  // when the system has no such drive.
  bool SelectDriveOf(std::wstring_view path);

 private:
  HWND hwnd_ = nullptr;
  std::vector<std::wstring> drives_;  // "c:", in the list's order
};

class FolderList {
 public:
  HWND Create(HWND parent, int id);
  HWND Handle() const { return hwnd_; }

  const std::wstring& Path() const { return path_; }
  // Shows the folder: a full or relative path, or a drive alone ("d:") for
  // that drive's current folder. False, with the list unchanged, when it is
  // not a folder that can be read.
  bool SetPath(std::wstring_view path);
  // Opens the entry under the selection (a double-click). True when the path
  // changed.
  bool OpenSelected();
  const std::vector<FolderEntry>& Entries() const { return entries_; }

  // The owner forwards these: the entries are drawn with their indentation
  // and folder pictures, on the list's background (the brush the owner gives
  // for WM_CTLCOLORLISTBOX), and their height follows the font.
  void SetFont(HFONT font);
  void Draw(const DRAWITEMSTRUCT& item, HBRUSH background) const;

 private:
  HWND hwnd_ = nullptr;
  std::wstring path_;
  std::vector<FolderEntry> entries_;
};

class FileList {
 public:
  HWND Create(HWND parent, int id);
  HWND Handle() const { return hwnd_; }

  void SetPattern(std::wstring_view patterns) { patterns_ = SplitPatterns(patterns); }
  const std::wstring& Path() const { return path_; }
  // Lists the folder's files that match the pattern, hidden and system files
  // left out, sorted by name. False, with the list unchanged, when the folder
  // cannot be read.
  bool SetPath(std::wstring_view folder);
  // The selected file's name; empty when none is selected.
  std::wstring FileName() const;

 private:
  HWND hwnd_ = nullptr;
  std::wstring path_;
  std::vector<std::wstring> patterns_{L"*.*"};
};

}  // namespace ui
