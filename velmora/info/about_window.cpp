#include "velmora/info/about_window.h"

#include <windowsx.h>

namespace velmora {
namespace {

constexpr BrandLayout kAboutLayout = {
    {2100, 45, 3255, 555},    // Label1
    {6030, 375, 1710, 300},   // lblVersion
    {150, 810, 2805, 360},    // labWeb
    {3120, 795, 3180, 360},   // labEmail
    {6465, 810, 1725, 360},   // labQQ
    {105, 1185, 8775, 2010},  // Frame1
    {990, 3315, 6360, 345},   // lbl
    150,
    L"欢迎使用我们的软件，本工作室接受软件定制",
};

}  // namespace

bool AboutWindow::Open() {
  ui::WindowOptions options;
  options.className = L"VelmoraAbout";
  options.caption = L"";
  options.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
  options.exStyle = WS_EX_DLGMODALFRAME;
  options.clientWidthTwips = 8790;
  options.clientHeightTwips = 3915;
  options.background = RGB(255, 192, 255);
  return Create(options);
}

void AboutWindow::OnCreate() { CreateControls(kAboutLayout); }

void AboutWindow::OnCommand(int id, int, HWND control) {
  // Enter and Esc arrive as commands from the keyboard handling: keys.
  if (!control && (id == IDOK || id == IDCANCEL)) Destroy();
}

// The background is what no control covers, the frame included: the frame
// lets the mouse through to the window, so the point decides, not the
// message ("ChildWindowFromPointEx" finds a child by its rectangle alone).
bool AboutWindow::OverBackground(LPARAM lParam) const {
  const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  RECT client{};
  GetClientRect(Handle(), &client);
  return PtInRect(&client, at) && ChildWindowFromPointEx(Handle(), at, CWP_SKIPINVISIBLE) == Handle();
}

LRESULT AboutWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // A click on the background closes the window on its release, where
      // the release is over the background too.
      if (OverBackground(lParam)) SetCapture(Handle());
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() != Handle()) return 0;
      ReleaseCapture();
      if (OverBackground(lParam)) Destroy();
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // Alt+F4 still closes the usual way, which brings up the bar.
      if (message == WM_SYSKEYDOWN && wParam == VK_F4) break;
      Destroy();
      return 0;
    default: break;
  }
  return BrandWindow::OnMessage(message, wParam, lParam);
}

}  // namespace velmora
