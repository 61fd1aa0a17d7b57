#include "ui/window.h"

#include <algorithm>

#include "ui/os_functions.h"

namespace ui {

int TwipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }
int PixelsToTwips(int pixels, UINT dpi) { return MulDiv(pixels, 1440, static_cast<int>(dpi)); }

namespace {

// The outer rectangle of a window whose client area has the given size.
SIZE OuterSize(const WindowOptions& o, UINT dpi) {
  RECT r{0, 0, TwipsToPixels(o.clientWidthTwips, dpi), TwipsToPixels(o.clientHeightTwips, dpi)};
  AdjustWindowRectForDpi(r, o.style, o.exStyle, dpi);
  return {r.right - r.left, r.bottom - r.top};
}

POINT Origin(const WindowOptions& o, SIZE size) {
  if (o.placement == Placement::Explicit) return {o.x, o.y};
  if (o.placement == Placement::SystemDefault) return {CW_USEDEFAULT, CW_USEDEFAULT};
  // The screen itself, not its work area: a taskbar does not move the window.
  const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  return {std::max(0L, (width - size.cx) / 2), std::max(0L, (height - size.cy) / 2)};
}

}  // namespace

Window::~Window() { Destroy(); }

bool Window::RegisterClassOnce(const wchar_t* className, bool topLevel) {
  WNDCLASSEXW existing{sizeof existing};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &existing)) return true;
  WNDCLASSEXW wc{sizeof wc};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &Window::Procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // Only top-level windows show an icon (caption, taskbar, Alt+Tab). The
  // small one is given as well: left out, the system makes it from the large
  // one at every registration, which under Wine costs about 2.5 ms a class.
  if (topLevel) {
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hIconSm = static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  }
  wc.lpszClassName = className;
  return RegisterClassExW(&wc) != 0;
}

bool Window::Create(const WindowOptions& o) {
  if (hwnd_ || !RegisterClassOnce(o.className, (o.style & WS_CHILD) == 0)) return false;
  background_ = o.background == CLR_INVALID ? GetSysColor(COLOR_BTNFACE) : o.background;
  ownsBrush_ = o.background != CLR_INVALID;
  backgroundBrush_ = ownsBrush_ ? CreateSolidBrush(background_) : GetSysColorBrush(COLOR_BTNFACE);
  quitWhenDestroyed_ = o.quitWhenDestroyed;

  const UINT dpi = SystemDpi();
  const SIZE size = OuterSize(o, dpi);
  const POINT at = Origin(o, size);
  CreateWindowExW(o.exStyle, o.className, o.caption.c_str(), o.style, at.x, at.y, size.cx, size.cy,
                  o.owner, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;

  // The window may sit on a monitor with another DPI than the system's.
  const UINT actual = Dpi();
  if (actual != dpi) {
    const SIZE resized = OuterSize(o, actual);
    SetWindowPos(hwnd_, nullptr, 0, 0, resized.cx, resized.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    OnDpiChanged(actual);
  }
  return true;
}

void Window::Show(int command) const {
  if (hwnd_) ShowWindow(hwnd_, command);
}

void Window::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

// SPI_GETHIGHCONTRAST fills a HIGHCONTRASTW whose HCF_HIGHCONTRASTON flag says
// whether the theme is on ("HIGHCONTRASTW structure", Microsoft Learn).
bool HighContrastOn() {
  HIGHCONTRASTW contrast{sizeof contrast};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HBRUSH CustomColours(HDC dc, COLORREF text, COLORREF background, HBRUSH brush, bool highContrast) {
  if (highContrast) return nullptr;
  SetTextColor(dc, text);
  SetBkColor(dc, background);
  return brush;
}

COLORREF Window::Background() const { return HighContrastOn() ? GetSysColor(COLOR_BTNFACE) : background_; }

HBRUSH Window::BackgroundBrush() const {
  return HighContrastOn() ? GetSysColorBrush(COLOR_BTNFACE) : backgroundBrush_;
}

UINT Window::Dpi() const {
  return WindowDpi(hwnd_);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd_, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, BackgroundBrush());
      return 1;
    }
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      OnDpiChanged(HIWORD(wParam));
      return 0;
    }
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    OnCreate();
    return 0;
  }
  if (message == WM_NCDESTROY) {
    OnDestroy();
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    const LRESULT result = Default(message, wParam, lParam);
    hwnd_ = nullptr;
    if (ownsBrush_) DeleteObject(backgroundBrush_);
    backgroundBrush_ = nullptr;
    ownsBrush_ = false;
    if (quitWhenDestroyed_) PostQuitMessage(0);
    return result;
  }
  return OnMessage(message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self && message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->Dispatch(message, wParam, lParam);
}

namespace {

// Tab, Shift+Tab and arrow keys move between a window's controls.
bool HandleDialogKeys(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (!root || (GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) == 0) return false;
  return IsDialogMessageW(root, &msg) != FALSE;
}

}  // namespace

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (HandleDialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void Delay(double seconds) { DelayUntil(nullptr, seconds); }

bool DelayUntil(HANDLE object, double seconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(std::max(0.0, seconds) * 1000.0);
  const auto signalled = [object] { return object && WaitForSingleObject(object, 0) == WAIT_OBJECT_0; };
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return signalled();
      }
      if (HandleDialogKeys(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (signalled()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return false;
    MsgWaitForMultipleObjectsEx(object ? 1 : 0, object ? &object : nullptr, static_cast<DWORD>(end - now), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }
}

}  // namespace ui
