#include "ui/file_browsers.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>

#include "ui/handles.h"
#include "ui/os_functions.h"

namespace ui {
namespace {

// A drive that is not ready (an empty card reader, a disc drive) must not
// bring up the system's "insert a disk" box while it is looked at.
class QuietDriveErrors {
 public:
  QuietDriveErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  QuietDriveErrors(const QuietDriveErrors&) = delete;
  QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;
  ~QuietDriveErrors() { SetThreadErrorMode(previous_, nullptr); }

 private:
  DWORD previous_ = 0;
};

HWND MakeChild(HWND parent, int id, const wchar_t* className, DWORD style) {
  return CreateWindowExW(WS_EX_CLIENTEDGE, className, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | style, 0,
                         0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

bool NameLess(const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) < 0; }

// The full form of a path without a trailing backslash, except at a root.
std::wstring FullFolderPath(std::wstring_view path) {
  const std::wstring given(path);
  const DWORD size = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
  if (size == 0) return {};
  std::wstring full(size, L'\0');
  const DWORD n = GetFullPathNameW(given.c_str(), size, full.data(), nullptr);
  if (n == 0 || n >= size) return {};
  full.resize(n);
  // "c:" gives "c:\..."; the list shows drives as the system writes them.
  if (full.size() >= 2 && full[1] == L':' && full[0] >= L'a' && full[0] <= L'z') full[0] -= L'a' - L'A';
  while (full.size() > PathRoot(full).size() && full.ends_with(L'\\')) full.pop_back();
  return full;
}

bool IsDots(const wchar_t* name) { return lstrcmpW(name, L".") == 0 || lstrcmpW(name, L"..") == 0; }

enum class Listing { Folders, Files };

// The names of a folder's entries of one kind; false when the folder cannot
// be read at all. An empty folder is fine.
bool ListFolder(const std::wstring& folder, Listing kind, std::vector<std::wstring>& names) {
  const QuietDriveErrors quiet;
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  WIN32_FIND_DATAW data{};
  const std::wstring query = JoinFolder(folder, L"*");
  const FindSearch find(FindFirstFileExW(query.c_str(), FindExInfoBasic, &data,
                                        kind == Listing::Folders ? FindExSearchLimitToDirectories
                                                                 : FindExSearchNameMatch,
                                        nullptr, 0));
  if (!find) return GetLastError() == ERROR_FILE_NOT_FOUND;
  do {
    const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (kind == Listing::Folders && isFolder && !IsDots(data.cFileName)) names.emplace_back(data.cFileName);
    if (kind == Listing::Files && !isFolder &&
        !(data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
      names.emplace_back(data.cFileName);
    }
  } while (FindNextFileW(find.get(), &data));
  std::sort(names.begin(), names.end(), NameLess);
  return true;
}

void FillList(HWND list, const std::vector<std::wstring>& texts) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::wstring& t : texts) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.c_str()));
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

std::wstring DriveText(const std::wstring& drive) {
  const std::wstring root = drive + L'\\';
  const UINT type = GetDriveTypeW(root.c_str());
  // Only fixed drives are asked for their name: asking a removable or disc
  // drive may spin it up or wait for it.
  if (type != DRIVE_FIXED && type != DRIVE_RAMDISK) return drive;
  wchar_t label[MAX_PATH + 1]{};
  const QuietDriveErrors quiet;
  if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0) || !*label) {
    return drive;
  }
  return drive + L" [" + label + L"]";
}

HIMAGELIST SmallFolderIcon(bool open, int& index) {
  SHFILEINFOW info{};
  const UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES | (open ? SHGFI_OPENICON : 0);
  // The system's own image list: shared, never destroyed by its users.
  const auto list = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info, flags));
  index = info.iIcon;
  return list;
}

}  // namespace

// ---- drives -----------------------------------------------------------

HWND DriveList::Create(HWND parent, int id) {
  hwnd_ = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0,
                          10, 200, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  Refresh();
  return hwnd_;
}

void DriveList::Refresh() {
  const std::wstring selected = Drive();
  drives_.clear();
  const DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (mask & (1u << i)) drives_.push_back(std::wstring{wchar_t(L'a' + i), L':'});
  }
  SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
  for (const std::wstring& d : drives_) {
    SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DriveText(d).c_str()));
  }
  if (!selected.empty()) SelectDriveOf(selected);
}

std::wstring DriveList::Drive() const {
  const LRESULT i = hwnd_ ? SendMessageW(hwnd_, CB_GETCURSEL, 0, 0) : CB_ERR;
  if (i < 0 || static_cast<std::size_t>(i) >= drives_.size()) return {};
  return drives_[static_cast<std::size_t>(i)];
}

bool DriveList::SelectDriveOf(std::wstring_view path) {
  const std::wstring drive = DriveOfPath(path.size() == 2 ? std::wstring(path) + L'\\' : std::wstring(path));
  for (std::size_t i = 0; i < drives_.size(); ++i) {
    if (lstrcmpiW(drives_[i].c_str(), drive.c_str()) == 0) {
      SendMessageW(hwnd_, CB_SETCURSEL, i, 0);
      return true;
    }
  }
  return false;
}

// ---- folders ----------------------------------------------------------

HWND FolderList::Create(HWND parent, int id) {
  hwnd_ = MakeChild(parent, id, L"LISTBOX",
                    LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
  return hwnd_;
}

bool FolderList::SetPath(std::wstring_view path) {
  const std::wstring full = FullFolderPath(path);
  std::vector<FolderEntry> entries = FolderChain(full);
  if (entries.empty()) return false;
  std::vector<std::wstring> subfolders;
  if (!ListFolder(full, Listing::Folders, subfolders)) return false;
  const int level = static_cast<int>(entries.size());
  for (const std::wstring& name : subfolders) entries.push_back({name, JoinFolder(full, name), level, false});

  path_ = full;
  entries_ = std::move(entries);
  std::vector<std::wstring> labels;
  for (const FolderEntry& e : entries_) labels.push_back(e.label);
  FillList(hwnd_, labels);
  // The current folder is the last open entry, and shows selected.
  SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(level - 1), 0);
  return true;
}

bool FolderList::OpenSelected() {
  const LRESULT i = SendMessageW(hwnd_, LB_GETCURSEL, 0, 0);
  if (i < 0 || static_cast<std::size_t>(i) >= entries_.size()) return false;
  const std::wstring target = entries_[static_cast<std::size_t>(i)].path;
  if (lstrcmpiW(target.c_str(), path_.c_str()) == 0) return false;
  if (SetPath(target)) return true;
  // Gone or unreadable: the selection goes back to the current folder.
  SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(FolderChain(path_).size() - 1), 0);
  return false;
}

void FolderList::SetFont(HFONT font) {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  const WindowDc dc(hwnd_);
  const SelectionGuard select(dc.get(), font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  const int icon = SystemMetricForDpi(SM_CYSMICON, WindowDpi(hwnd_));
  SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, std::max<int>(metrics.tmHeight, icon) + 2);
}

void FolderList::Draw(const DRAWITEMSTRUCT& item, HBRUSH background) const {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT r = item.rcItem;
  FillRect(item.hDC, &r, selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : background);
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= entries_.size()) return;
  const FolderEntry& entry = entries_[item.itemID];
  const int height = r.bottom - r.top;
  int x = r.left + 2 + entry.level * std::max(6, height / 2);
  int index = 0;
  if (HIMAGELIST icons = SmallFolderIcon(entry.open, index)) {
    int w = 0, h = 0;
    ImageList_GetIconSize(icons, &w, &h);
    ImageList_Draw(icons, index, item.hDC, x, r.top + (height - h) / 2, ILD_TRANSPARENT);
    x += w + 3;
  }
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT text{x, r.top, r.right, r.bottom};
  DrawTextW(item.hDC, entry.label.c_str(), static_cast<int>(entry.label.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &r);
}

// ---- files ------------------------------------------------------------

HWND FileList::Create(HWND parent, int id) {
  hwnd_ = MakeChild(parent, id, L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT);
  return hwnd_;
}

bool FileList::SetPath(std::wstring_view folder) {
  const std::wstring full = FullFolderPath(folder);
  std::vector<std::wstring> all;
  if (full.empty() || !ListFolder(full, Listing::Files, all)) return false;
  std::vector<std::wstring> matching;
  for (const std::wstring& name : all) {
    const bool matches = std::any_of(patterns_.begin(), patterns_.end(), [&](const std::wstring& p) {
      return PathMatchSpecW(name.c_str(), p.c_str()) != FALSE;
    });
    if (matches) matching.push_back(name);
  }
  path_ = full;
  FillList(hwnd_, matching);
  return true;
}

std::wstring FileList::FileName() const {
  const LRESULT i = SendMessageW(hwnd_, LB_GETCURSEL, 0, 0);
  if (i < 0) return {};
  const LRESULT length = SendMessageW(hwnd_, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
  if (length <= 0) return {};
  std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT n = SendMessageW(hwnd_, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name.data()));
  name.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return name;
}

}  // namespace ui
