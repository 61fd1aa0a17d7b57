#include "tests/support/e2e_support.h"

#include <cstdlib>

namespace e2e {

std::wstring DistPath(const std::wstring& relative) {
  const wchar_t* dist = _wgetenv(L"VELMORA_DIST");
  std::wstring path = L"Z:";
  path += dist ? dist : L"";
  path += L"/" + relative;
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

Program::Program(const std::wstring& path) {
  STARTUPINFOW si{sizeof si};
  PROCESS_INFORMATION pi{};
  std::wstring commandLine = L"\"" + path + L"\"";
  const std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
  if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                     &pi)) {
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    id_ = pi.dwProcessId;
  }
}

Program::~Program() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

bool Program::WaitForExit(int milliseconds) const {
  return process_ && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
}

namespace {

struct Search {
  DWORD processId;
  const std::wstring &className, &caption;
  std::vector<HWND> found;
};

// Collects the visible top-level windows of the process whose class and
// caption match, an empty one matching any.
BOOL CALLBACK CollectMatching(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->processId && IsWindowVisible(hwnd) && (s->className.empty() || ClassOf(hwnd) == s->className) &&
      (s->caption.empty() || TextOf(hwnd) == s->caption)) {
    s->found.push_back(hwnd);
  }
  return TRUE;
}

std::vector<HWND> MatchingWindows(DWORD processId, const std::wstring& className, const std::wstring& caption) {
  Search s{processId, className, caption, {}};
  EnumWindows(CollectMatching, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

void SendKey(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

// A mouse event at a point of the virtual screen, on any monitor.
INPUT MouseEvent(POINT screen, DWORD buttons) {
  INPUT in{.type = INPUT_MOUSE};
  in.mi.dx = MulDiv(screen.x - GetSystemMetrics(SM_XVIRTUALSCREEN), 65535, GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1);
  in.mi.dy = MulDiv(screen.y - GetSystemMetrics(SM_YVIRTUALSCREEN), 65535, GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | buttons;
  return in;
}

void SendUnicode(wchar_t c) {
  INPUT in[2]{};
  for (int i = 0; i < 2; ++i) {
    in[i].type = INPUT_KEYBOARD;
    in[i].ki.wScan = c;
    in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
  }
  SendInput(2, in, sizeof in[0]);
}

}  // namespace

HWND FindWindowOf(DWORD processId, const std::wstring& className, const std::wstring& caption) {
  const std::vector<HWND> found = MatchingWindows(processId, className, caption);
  return found.empty() ? nullptr : found.front();
}

HWND WaitForWindow(DWORD processId, const std::wstring& caption, int milliseconds) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowOf(processId, L"", caption)) != nullptr; }, milliseconds);
  return found;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& className) {
  std::vector<HWND> found;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiW(ClassOf(child).c_str(), className.c_str()) == 0) found.push_back(child);
  }
  return found;
}

HWND ChildWithText(HWND parent, const std::wstring& className, const std::wstring& text) {
  for (HWND child : ChildrenOfClass(parent, className)) {
    if (TextOf(child) == text) return child;
  }
  return nullptr;
}

std::wstring TextOf(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256]{};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring WaitForText(HWND window, const std::wstring& expected, int milliseconds) {
  std::wstring text;
  WaitUntil([&] { return (text = TextOf(window)) == expected; }, milliseconds);
  return text;
}

void BringToFront(HWND window) {
  SetForegroundWindow(window);
  BringWindowToTop(window);
  Settle(100);
}

void MouseAt(POINT screen, DWORD button) {
  INPUT in[2] = {MouseEvent(screen, 0), MouseEvent(screen, button)};
  SendInput(2, in, sizeof in[0]);
}

void ClickAt(POINT screen, bool right) {
  INPUT in[3] = {MouseEvent(screen, 0), MouseEvent(screen, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                 MouseEvent(screen, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
  SendInput(3, in, sizeof in[0]);
  Settle(100);
}

void Drag(POINT from, POINT to) {
  const POINT path[] = {from, {(from.x + to.x) / 2, (from.y + to.y) / 2}, to};
  for (std::size_t i = 0; i < std::size(path); ++i) {
    const DWORD buttons = i == 0 ? MOUSEEVENTF_LEFTDOWN : i + 1 == std::size(path) ? MOUSEEVENTF_LEFTUP : 0;
    INPUT in = MouseEvent(path[i], buttons);
    SendInput(1, &in, sizeof in);
    Settle(300);
  }
}

void Click(HWND control, bool right) {
  BringToFront(GetAncestor(control, GA_ROOT));
  RECT r;
  GetWindowRect(control, &r);
  ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, right);
}

void PressKey(WORD vk, bool shift, bool ctrl, bool alt) {
  if (ctrl) SendKey(VK_CONTROL, false);
  if (alt) SendKey(VK_MENU, false);
  if (shift) SendKey(VK_SHIFT, false);
  SendKey(vk, false);
  SendKey(vk, true);
  if (shift) SendKey(VK_SHIFT, true);
  if (alt) SendKey(VK_MENU, true);
  if (ctrl) SendKey(VK_CONTROL, true);
}

void TypeText(const std::wstring& text) {
  for (wchar_t c : text) {
    // Plain keys where the keyboard has them, as a user types; the rest as
    // Unicode characters.
    const SHORT scan = c < 0x80 ? VkKeyScanW(c) : -1;
    if (scan != -1 && (HIBYTE(scan) & ~1) == 0) {
      PressKey(LOBYTE(scan), (HIBYTE(scan) & 1) != 0);
    } else {
      SendUnicode(c);
    }
  }
  Settle(50);
}

void Settle(int milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (GetTickCount64() < end) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
}

namespace {

// Opens the clipboard for a message-only window of this process.
class OpenedClipboard {
 public:
  OpenedClipboard() : owner_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {
    const ULONGLONG end = GetTickCount64() + 5000;
    while (!(open_ = OpenClipboard(owner_) != FALSE) && GetTickCount64() < end) Sleep(20);
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
    if (owner_) DestroyWindow(owner_);
  }
  bool Open() const { return open_; }

 private:
  HWND owner_;
  bool open_ = false;
};

}  // namespace

std::vector<HWND> VisibleWindowsOf(DWORD processId, const std::wstring& className) {
  return MatchingWindows(processId, className, L"");
}

std::wstring ClipboardText() {
  const OpenedClipboard clipboard;
  if (!clipboard.Open()) return L"<clipboard busy>";
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  std::wstring copy = text ? text : L"";
  GlobalUnlock(data);
  return copy;
}

}  // namespace e2e
