#include "ui/form_window.h"

#include "ui/handles.h"

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
    case WM_PAINT:
      if (lines_.empty()) break;
      PaintLines();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) focus_ = focus;
      }
      // The default gives the window itself the focus, which WM_SETFOCUS passes on.
      break;
    case WM_SETFOCUS:
      PassFocusOn();
      return 0;
    default:
      break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

void FormWindow::OnDpiChanged(UINT dpi) {
  controls_.Relayout(dpi);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void FormWindow::PaintLines() const {
  const PaintScope paint(Handle());
  const Pen pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT)));
  const SelectionGuard selected(paint.dc(), pen.get());
  for (const LineSpec& line : lines_) {
    MoveToEx(paint.dc(), Px(line.x1), Px(line.y1), nullptr);
    LineTo(paint.dc(), Px(line.x2), Px(line.y2));
  }
}

void FormWindow::PassFocusOn() const {
  if (focus_ && IsChild(Handle(), focus_) && IsWindowEnabled(focus_)) {
    SetFocus(focus_);
    return;
  }
  // The first time, as in a dialog: the first input box, its text selected so
  // that typing replaces it.
  const HWND first = controls_.FirstInput();
  if (!first) return;
  SetFocus(first);
  if (SendMessageW(first, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(first, EM_SETSEL, 0, -1);
}

}  // namespace ui
