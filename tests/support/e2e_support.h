#pragma once
// Driving the built programs from outside, as a user would: start them,
// find their windows, click and type with real input events, read back what
// their controls show.

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// A file of the program folder, from the Linux path that ctest passes.
std::wstring DistPath(const std::wstring& relative);

// A started program; ended on destruction if it is still running.
class Program {
 public:
  explicit Program(const std::wstring& path);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();
  bool Started() const { return process_ != nullptr; }
  DWORD Id() const { return id_; }
  bool WaitForExit(int milliseconds) const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// The first visible top-level window of a process with the given caption
// (any caption when empty), waited for up to the deadline.
HWND WaitForWindow(DWORD processId, const std::wstring& caption, int milliseconds = 20000);
HWND FindWindowOf(DWORD processId, const std::wstring& className, const std::wstring& caption = L"");

// The children of a window of one class, in creation (tab) order.
std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& className);
HWND ChildWithText(HWND parent, const std::wstring& className, const std::wstring& text);

std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
// Waits until the window's text equals `expected`; returns the last text seen.
std::wstring WaitForText(HWND window, const std::wstring& expected, int milliseconds = 5000);

// Real input events.
void BringToFront(HWND window);
void ClickAt(POINT screen, bool right = false);
// A left-button drag, through a point half way.
void Drag(POINT from, POINT to);
void Click(HWND control, bool right = false);
// The pointer moved to a point, then one button event there
// (MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, ...): a press dragged elsewhere.
void MouseAt(POINT screen, DWORD button);
void PressKey(WORD vk, bool shift = false, bool ctrl = false, bool alt = false);
void TypeText(const std::wstring& text);

// Waits while the window's events run (lets typed keys arrive).
void Settle(int milliseconds = 200);

// Waits, letting events run, until the condition holds or the deadline passes.
inline bool WaitUntil(auto condition, int milliseconds = 20000) {
  for (const ULONGLONG end = GetTickCount64() + milliseconds; !condition(); Settle(50)) {
    if (GetTickCount64() > end) return false;
  }
  return true;
}

// The visible top-level windows of one class in a process.
std::vector<HWND> VisibleWindowsOf(DWORD processId, const std::wstring& className);

// The clipboard's text ("" when it holds none). The clipboard is opened for
// a moment by a window of this process, retried while another program holds it.
std::wstring ClipboardText();

}  // namespace e2e
