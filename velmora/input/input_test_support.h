#pragma once
// Helpers for the statement window's tests in process under Wine.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "velmora/input/input_window.h"

namespace velmora::testing {

// Runs this thread's window events until the condition holds or the
// deadline passes; returns the condition's last answer.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD deadline = 10000) {
  const ULONGLONG end = GetTickCount64() + deadline;
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

inline void Pump(DWORD milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

inline std::string ToCodePage936(const std::wstring& text) {
  const int n = WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
}

inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

inline std::vector<std::wstring> ListItems(HWND list) {
  std::vector<std::wstring> items;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(text);
  }
  return items;
}

// A user's choice in a list, as the window hears it.
inline void Choose(HWND owner, int id, const std::wstring& item, WORD notification) {
  const HWND list = GetDlgItem(owner, id);
  const LRESULT i = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
  SendMessageW(owner, WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(list));
}

inline void ClickFile(HWND owner, const std::wstring& name) {
  Choose(owner, InputWindow::kFile1, name, LBN_SELCHANGE);
}

inline void OpenFolderEntry(HWND owner, const std::wstring& label) {
  Choose(owner, InputWindow::kDir1, label, LBN_DBLCLK);
}

}  // namespace velmora::testing
