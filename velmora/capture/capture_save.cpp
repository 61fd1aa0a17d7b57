#include "velmora/capture/capture_save.h"

#include <shlobj.h>

#include "velmora/capture/bmp_file.h"
#include "velmora/capture/capture_file_name.h"

namespace capture {
namespace {

std::wstring KnownFolder(const KNOWNFOLDERID& id) {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path)) && path) folder = path;
  CoTaskMemFree(path);  // also required after a failure
  return folder;
}

// Where a capture goes after the root of C:, in order, each with the name the
// notice gives it when the system has no such folder.
struct Fallback {
  std::wstring (*folder)();
  const wchar_t* name;
};
constexpr Fallback kFallbacks[] = {{PicturesFolder, L"图片文件夹"}, {LocalCapturesFolder, L"本地应用数据文件夹"}};

}  // namespace

std::wstring PicturesFolder() { return KnownFolder(FOLDERID_Pictures); }

std::wstring LocalCapturesFolder() {
  const std::wstring local = KnownFolder(FOLDERID_LocalAppData);
  if (local.empty()) return {};
  std::wstring folder = local + L"\\Velmora";
  CreateDirectoryW(folder.c_str(), nullptr);  // already there: fails harmlessly
  folder += L"\\抓屏";
  CreateDirectoryW(folder.c_str(), nullptr);
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  const bool made = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  return made ? folder : std::wstring();
}

SaveResult SaveCapture(const Picture& picture, const std::wstring& fileName) {
  SaveResult result;
  if (!picture) return result;
  auto attempt = [&](const std::wstring& path) {
    const DWORD error = WriteBmpFile(picture, path);
    result.attempts.push_back({path, error});
    if (error == 0) {
      result.saved = true;
      result.path = path;
    }
    return error == 0;
  };
  if (attempt(fileName)) return result;
  for (const Fallback& fallback : kFallbacks) {
    const std::wstring folder = fallback.folder();
    if (folder.empty()) {
      result.attempts.push_back({fallback.name, ERROR_PATH_NOT_FOUND});
    } else if (attempt(PathInFolder(folder, fileName))) {
      return result;
    }
  }
  return result;
}

}  // namespace capture
