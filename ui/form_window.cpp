#include "ui/form_window.h"

namespace ui {

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (HBRUSH brush = controls_.Colorize(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                            Background(), BackgroundBrush())) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    default:
      break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

void FormWindow::OnDpiChanged(UINT dpi) {
  controls_.Relayout(dpi);
  InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace ui
