#pragma once
// A window laid out from a control table: its controls follow the window's
// DPI and answer the colour messages with the text colours set on them.

#include "ui/controls.h"
#include "ui/window.h"

namespace ui {

class FormWindow : public Window {
 protected:
  // Answers WM_CTLCOLOR* for the controls; everything else goes to Window.
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Re-places the controls, remakes their fonts and repaints what is drawn.
  void OnDpiChanged(UINT dpi) override;

  ControlSet controls_;
};

}  // namespace ui
