#include "velmora/words/folder_listing.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>

#include "velmora/words/word_list_lines.h"

namespace words {
namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE h) : h_(h) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() {
    if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
  }
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

bool IsListed(const WIN32_FIND_DATAW& found) {
  constexpr DWORD kLeftOut = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return (found.dwFileAttributes & kLeftOut) == 0;
}

}  // namespace

std::vector<std::wstring> ListFolderFiles(const std::wstring& folder) {
  std::wstring pattern = folder;
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern += L'*';
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  const FindHandle find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0));
  if (!find) return names;
  do {
    if (IsListed(found)) names.emplace_back(found.cFileName);
  } while (names.size() < kMaxListLines && FindNextFileW(find.get(), &found));
  std::sort(names.begin(), names.end(),
            [](const std::wstring& a, const std::wstring& b) { return StrCmpLogicalW(a.c_str(), b.c_str()) < 0; });
  return names;
}

std::vector<ListMenuItem> LoadFolderMenuItems(const std::wstring& folder, std::wstring_view defaultCaption,
                                              Ampersands ampersands) {
  return ListMenuItems(ListFolderFiles(folder), defaultCaption, ampersands);
}

void shellExe(HWND owner, const std::wstring& path) {
  // The result is not examined: a launch that fails shows nothing.
  ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOW);
}

void OpenFolderEntry(HWND owner, std::wstring_view appPath, const FolderMenuInfo& menu, std::wstring_view caption) {
  shellExe(owner, FolderEntryPath(appPath, menu, caption));
}

}  // namespace words
