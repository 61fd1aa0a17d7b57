#pragma once
// The rules behind the folder and file lists, kept free of the window system
// so they build and are tested everywhere: how a path splits into the chain
// of folders a folder list shows above the current folder's subfolders, which
// drive a path lies on, and how a file pattern such as "*.txt;*.inf" splits.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct FolderEntry {
  std::wstring label;  // what the list shows: "C:\" for a root, else the name
  std::wstring path;   // the folder it opens
  int level = 0;       // indentation: the root is 0
  bool open = false;   // on the way to the current folder, or the folder itself
  friend bool operator==(const FolderEntry&, const FolderEntry&) = default;
};

// The root of a full path: "C:\" for a drive, "\\server\share\" for a share;
// empty when the path has neither.
inline std::wstring PathRoot(std::wstring_view path) {
  if (path.size() >= 2 && path[1] == L':') return std::wstring(path.substr(0, 2)) + L'\\';
  if (!path.starts_with(L"\\\\")) return {};
  std::size_t slashes = 0;
  for (std::size_t i = 2; i < path.size(); ++i) {
    if (path[i] == L'\\' && ++slashes == 2) return std::wstring(path.substr(0, i + 1));
  }
  return path.size() > 2 ? std::wstring(path) + L'\\' : std::wstring{};
}

// "c:" for a path on drive C:, the share "\\server\share" for a network path.
inline std::wstring DriveOfPath(std::wstring_view path) {
  std::wstring root = PathRoot(path);
  if (!root.empty()) root.pop_back();
  if (root.size() == 2 && root[1] == L':' && root[0] >= L'A' && root[0] <= L'Z') root[0] += L'a' - L'A';
  return root;
}

// A folder and a name with exactly one backslash between them.
inline std::wstring JoinFolder(std::wstring_view folder, std::wstring_view name) {
  std::wstring path(folder);
  if (!path.ends_with(L'\\')) path += L'\\';
  path += name;
  return path;
}

// The root and each folder down to `path` (a full path, as the system
// gives it), all open; the last entry is the current folder.
inline std::vector<FolderEntry> FolderChain(std::wstring_view path) {
  const std::wstring root = PathRoot(path);
  if (root.empty()) return {};
  std::vector<FolderEntry> chain{{root, root, 0, true}};
  std::wstring current = root;
  std::size_t at = root.size();
  while (at < path.size()) {
    std::size_t end = path.find(L'\\', at);
    if (end == std::wstring_view::npos) end = path.size();
    if (end > at) {
      const std::wstring_view name = path.substr(at, end - at);
      current = JoinFolder(current, name);
      chain.push_back({std::wstring(name), current, static_cast<int>(chain.size()), true});
    }
    at = end + 1;
  }
  return chain;
}

// "*.txt;*.inf" as its single patterns, blanks around each removed.
inline std::vector<std::wstring> SplitPatterns(std::wstring_view patterns) {
  std::vector<std::wstring> result;
  std::size_t at = 0;
  while (at <= patterns.size()) {
    std::size_t end = patterns.find(L';', at);
    if (end == std::wstring_view::npos) end = patterns.size();
    std::wstring_view one = patterns.substr(at, end - at);
    while (!one.empty() && one.front() == L' ') one.remove_prefix(1);
    while (!one.empty() && one.back() == L' ') one.remove_suffix(1);
    if (!one.empty()) result.emplace_back(one);
    at = end + 1;
  }
  return result;
}

}  // namespace ui
