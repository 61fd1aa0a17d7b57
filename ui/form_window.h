#pragma once
// A window laid out from a control table: its controls follow the window's
// DPI and answer the colour messages with the text colours set on them, the
// keyboard focus starts in its first input box and comes back to the control
// that had it whenever the window is activated again.

#include <span>

#include "ui/controls.h"
#include "ui/window.h"

namespace ui {

// A straight line on the window's background, in twips, in the system's text colour.
struct LineSpec {
  int x1, y1, x2, y2;
};

class FormWindow : public Window {
 protected:
  // Answers WM_CTLCOLOR*, paints the lines and keeps the focus; everything
  // else goes to Window.
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Re-places the controls, remakes their fonts and repaints what is drawn.
  void OnDpiChanged(UINT dpi) override;

  ControlSet controls_;
  std::span<const LineSpec> lines_;

 private:
  void PaintLines() const;
  void PassFocusOn() const;

  HWND focus_ = nullptr;  // the control that had the focus when the window last lost activation
};

// The life of a program whose only window is W: opens it, shows it and
// dispatches messages until it is gone.
template <typename W>
int RunOnlyWindow(int show) {
  W window;
  if (!window.Open()) return 1;
  window.Show(show);
  return RunMessageLoop();
}

}  // namespace ui
