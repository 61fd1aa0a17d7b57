#pragma once
// Measuring on a viewer: Shift and a left drag draw a line, Shift and three
// clicks a circle; a number typed with a line shown opens the scale box;
// Ctrl+C copies the readout's value; Esc clears. The readout and the box
// are child windows of Image1, real text for screen readers; the line and
// the circle are drawn over the picture on the screen only, never into it.

#include <windows.h>

#include <optional>

#include "ui/controls.h"
#include "velmora/capture/measure_model.h"

namespace capture {

// The viewer as the measuring sees it at one moment.
struct MeasureFrame {
  HWND image = nullptr;   // Image1, which the measuring draws on and holds its windows
  HWND viewer = nullptr;  // the focus goes back here when the box closes
  ViewMapping mapping;
  Extent picture, seen;
  UINT dpi = 96;
};

class MeasureOverlay {
 public:
  // Whether there is anything to draw or place.
  bool Active() const { return model_.Shown() || model_.BoxOpen() || model_.Pressed(); }
  // Image1's mouse messages: Shift with the left button, and what follows
  // such a press. Every other message is left to the viewer.
  std::optional<LRESULT> OnMouse(UINT message, WPARAM wParam, Offset pointer, const MeasureFrame& frame);
  // The viewer's keys: Esc, a digit or point, Ctrl+C. Returns whether taken.
  bool OnKey(UINT message, WPARAM wParam, const MeasureFrame& frame);
  // Draws the line or circle after Image1 has painted the picture.
  void PaintOver(const MeasureFrame& frame) const;
  // The view was panned, zoomed or resized: the readout and the box follow.
  void Follow(const MeasureFrame& frame);
  // The viewer's window went, and its child windows with it.
  void Forget();

 private:
  static LRESULT CALLBACK BoxKeys(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
  void Show();
  void EnsureControls();
  void PlaceControls();
  void EnterScale();
  void CloseBoxFocus();

  MeasureModel model_;
  MeasureFrame frame_;
  ui::ControlSet controls_;
  bool created_ = false;
  UINT controlsDpi_ = 0;
};

}  // namespace capture
