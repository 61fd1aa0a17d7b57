#include "ui/system.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "ui/com_apartment.h"

namespace ui {
namespace {

// Opens the clipboard for a scope; the clipboard may be busy for a moment
// while another program reads it, so a few tries are made.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) {
    for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(10);
    }
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  ~ClipboardSession() {
    if (open_) CloseClipboard();
  }
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

}  // namespace

bool SetClipboardText(HWND owner, std::wstring_view text) {
  ClipboardSession clipboard(owner);
  if (!clipboard.open()) return false;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  if (void* p = GlobalLock(memory)) {
    std::memcpy(p, text.data(), text.size() * sizeof(wchar_t));
    static_cast<wchar_t*>(p)[text.size()] = L'\0';
    GlobalUnlock(memory);
  }
  // On success the clipboard owns the memory; otherwise it is still ours.
  if (!SetClipboardData(CF_UNICODETEXT, memory)) {
    GlobalFree(memory);
    return false;
  }
  return true;
}

bool SetClipboardBitmap(HWND owner, Bitmap bitmap, Palette palette) {
  if (!bitmap) return false;
  ClipboardSession clipboard(owner);
  if (!clipboard.open()) return false;
  EmptyClipboard();
  if (!SetClipboardData(CF_BITMAP, bitmap.get())) return false;
  bitmap.release();
  if (palette && SetClipboardData(CF_PALETTE, palette.get())) palette.release();
  return true;
}

std::wstring GetClipboardText(HWND owner) {
  ClipboardSession clipboard(owner);
  if (!clipboard.open()) return {};
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* p = static_cast<const wchar_t*>(GlobalLock(data));
  if (!p) return {};
  const std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
  std::wstring text(p, wcsnlen(p, limit));
  GlobalUnlock(data);
  return text;
}

void ShowInformation(HWND owner, const std::wstring& text, const std::wstring& caption) {
  MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

bool ShellOpen(HWND owner, const std::wstring& target) {
  return reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", target.c_str(), nullptr, nullptr, SW_SHOW)) > 32;
}

namespace {
inline void FreeIdList(PIDLIST_ABSOLUTE list) { ILFree(list); }
using IdList = Unique<PIDLIST_ABSOLUTE, FreeIdList>;
}  // namespace

bool ShowInFolder(HWND, const std::wstring& file) {
  // Explorer's window belongs to another process, and Windows lets it come to
  // the front only if the foreground process allows it. We may: this runs on
  // the user's click, the last input event ("AllowSetForegroundWindow",
  // Microsoft Learn). Which process will show the folder (the shell's own or
  // a new one) is not known here, so any process may.
  AllowSetForegroundWindow(ASFW_ANY);
  // The shell reuses a window already open on that folder and selects the
  // file in it; no program is looked up by name. It needs COM on this thread
  // ("SHOpenFolderAndSelectItems function", Microsoft Learn).
  const ComApartment com;
  const IdList item(ILCreateFromPathW(file.c_str()));
  return item && SUCCEEDED(SHOpenFolderAndSelectItems(item.get(), 0, nullptr, 0));
}

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) return path.substr(0, n);
    path.resize(path.size() * 2);  // a long path: try a larger buffer
  }
}

std::wstring ProgramVersionText() {
  const std::wstring file = ProgramPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
  if (!size) return {};
  std::vector<unsigned char> data(size);
  if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return {};
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info) return {};
  return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionMS)) +
         L"." + std::to_wstring(LOWORD(info->dwFileVersionLS));
}

std::wstring DecodeCodePage(unsigned codePage, std::string_view bytes) {
  // The call takes an int length; nothing the programs read comes near it.
  const int length = static_cast<int>(std::min<std::size_t>(bytes.size(), INT_MAX));
  if (length == 0) return {};
  const int n = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(codePage, 0, bytes.data(), length, text.data(), n);
  return text;
}

std::size_t EncodedLength(unsigned codePage, std::wstring_view text) {
  const int length = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
  if (length == 0) return 0;
  const int n = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void Timer::Start(HWND hwnd, UINT_PTR id, UINT milliseconds) {
  Stop();
  if (SetTimer(hwnd, id, milliseconds, nullptr)) {
    hwnd_ = hwnd;
    id_ = id;
  }
}

void Timer::Stop() {
  if (hwnd_) KillTimer(hwnd_, id_);
  hwnd_ = nullptr;
}

}  // namespace ui
