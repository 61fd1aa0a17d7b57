#include "velmora/words/folder_listing.h"

#include <shlwapi.h>

#include <algorithm>

#include "ui/handles.h"
#include "ui/system.h"
#include "velmora/words/word_list_lines.h"

namespace words {
namespace {

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
  const ui::FindSearch find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0));
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
  ui::ShellOpen(owner, path);
}

}  // namespace words
