#pragma once
// A scratch folder of files for the Windows tests, removed with all it holds.

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

namespace testsupport {

class ScratchFolder {
 public:
  ScratchFolder() {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"velmora_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
            std::to_wstring(GetTickCount64()) + L"\\";
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    // Double NUL terminated; read-only and hidden files go too.
    const std::wstring from = path_.substr(0, path_.size() - 1) + L'\0';
    SHFILEOPSTRUCTW op{nullptr, FO_DELETE, from.c_str(), nullptr, FOF_NO_UI};
    SHFileOperationW(&op);
  }
  const std::wstring& Path() const { return path_; }

  std::wstring Write(const std::wstring& name, std::string_view bytes, DWORD attributes = 0) const {
    const std::wstring file = path_ + name;
    const HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    if (attributes) SetFileAttributesW(file.c_str(), attributes);
    return file;
  }

 private:
  std::wstring path_;
};

}  // namespace testsupport
