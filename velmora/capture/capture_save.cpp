#include "velmora/capture/capture_save.h"

#include <shlobj.h>

#include "velmora/capture/bmp_file.h"
#include "velmora/capture/capture_file_name.h"

namespace capture {

std::wstring PicturesFolder() {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, KF_FLAG_CREATE, nullptr, &path)) && path) folder = path;
  CoTaskMemFree(path);  // also required after a failure
  return folder;
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
  const std::wstring folder = PicturesFolder();
  if (folder.empty()) {
    result.attempts.push_back({L"图片文件夹", ERROR_PATH_NOT_FOUND});
    return result;
  }
  attempt(PathInFolder(folder, fileName));
  return result;
}

}  // namespace capture
