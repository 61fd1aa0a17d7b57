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

// A place's folder, and the name the notice gives it when the system has
// none; the root of C: is the capture's own name.
struct Folder {
  std::wstring (*find)();
  const wchar_t* name;
};

Folder FolderOf(SavePlace place) {
  if (place == SavePlace::Pictures) return {PicturesFolder, L"图片文件夹"};
  return {LocalCapturesFolder, L"本地应用数据文件夹"};
}

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

SaveResult SaveCapture(const Picture& picture, const std::wstring& fileName, SavePlaces& places) {
  SaveResult result;
  result.named = fileName;
  if (!picture) return result;
  for (const SavePlace place : places.Order()) {
    std::wstring path = fileName;
    if (place != SavePlace::Root) {
      const Folder folder = FolderOf(place);
      const std::wstring found = folder.find();
      if (found.empty()) {
        result.attempts.push_back({folder.name, ERROR_PATH_NOT_FOUND});
        continue;
      }
      path = PathInFolder(found, fileName);
    }
    const DWORD error = WriteBmpFile(picture, path);
    result.attempts.push_back({path, error});
    if (error == 0) {
      result.saved = true;
      result.path = path;
      places.Took(place);
      return result;
    }
  }
  return result;
}

SaveResult SaveCapture(const Picture& picture, const std::wstring& fileName) {
  static SavePlaces session;  // the user-interface thread's alone
  return SaveCapture(picture, fileName, session);
}

}  // namespace capture
