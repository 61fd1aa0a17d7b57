#include "velmora/capture/measure_window.h"

#include <commctrl.h>

#include <cmath>
#include <string>

#include "ui/handles.h"
#include "ui/os_functions.h"
#include "ui/system.h"

namespace capture {
namespace {

enum ControlId { kReadout = 1, kBoxLabel, kBoxEdit };

// Placed and sized by the measuring itself; the sizes here are only the
// creation's.
constexpr ui::ControlSpec kMeasureLayout[] = {
    {kReadout, ui::ControlKind::Label, L"", 0, 0, 1500, 300, SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | WS_BORDER},
    {kBoxLabel, ui::ControlKind::Label, L"", 0, 0, 1500, 300, SS_CENTERIMAGE | SS_NOPREFIX},
    {kBoxEdit, ui::ControlKind::Edit, L"", 0, 0, 1200, 300},
};

// A dark line with a light edge shows on white, black and coloured drawings.
constexpr COLORREF kLineColour = RGB(176, 0, 96);
constexpr COLORREF kEdgeColour = RGB(255, 255, 255);
// GDI keeps coordinates within 27 bits; a larger circle would not be drawn
// right, and looks like a straight line at this size anyway.
constexpr double kLargestDrawn = 1 << 26;

int Scaled(int pixelsAt96, UINT dpi) { return std::max(1, MulDiv(pixelsAt96, static_cast<int>(dpi), 96)); }

POINT Rounded(PicturePoint p) { return {std::lround(p.x), std::lround(p.y)}; }

// The drawing in one pen: under the line's edge pen first, then its own.
void DrawShapes(HDC dc, const MeasureDrawing& drawing, int markSize) {
  if (drawing.line) {
    const POINT from = Rounded((*drawing.line)[0]), to = Rounded((*drawing.line)[1]);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
  }
  if (drawing.circle && drawing.circle->radius < kLargestDrawn && std::abs(drawing.circle->centre.x) < kLargestDrawn &&
      std::abs(drawing.circle->centre.y) < kLargestDrawn) {
    const PicturePoint c = drawing.circle->centre;
    const double r = drawing.circle->radius;
    Ellipse(dc, std::lround(c.x - r), std::lround(c.y - r), std::lround(c.x + r) + 1, std::lround(c.y + r) + 1);
  }
  for (int i = 0; i < drawing.markCount; ++i) {  // a small cross on each point
    const POINT at = Rounded(drawing.marks[i]);
    MoveToEx(dc, at.x - markSize, at.y, nullptr);
    LineTo(dc, at.x + markSize + 1, at.y);
    MoveToEx(dc, at.x, at.y - markSize, nullptr);
    LineTo(dc, at.x, at.y + markSize + 1);
  }
}

Extent TextExtent(HWND control, const std::wstring& text) {
  const ui::WindowDc dc(control);
  const ui::SelectionGuard font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  // Measured the way the label draws it, with the same font fallback.
  RECT r{};
  DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return {r.right - r.left, r.bottom - r.top};
}

void ShowControl(HWND control, bool shown) { ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE); }

}  // namespace

std::optional<LRESULT> MeasureOverlay::OnMouse(UINT message, WPARAM wParam, Offset pointer,
                                               const MeasureFrame& frame) {
  const bool press = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK;
  if (press && (wParam & MK_SHIFT) && frame.mapping.OnPicture(pointer, frame.picture)) {
    frame_ = frame;
    model_.Press(frame.mapping.ToPicture(pointer, frame.picture), pointer);
    SetCapture(frame.image);
    Show();
    return 0;
  }
  if (!model_.Pressed()) return std::nullopt;
  frame_ = frame;
  const PicturePoint at = frame.mapping.ToPicture(pointer, frame.picture);
  // "GetSystemMetrics function" (Microsoft Learn): SM_CXDRAG is how far the
  // pointer may move from the press before a drag begins.
  const int dragDistance = ui::SystemMetricForDpi(SM_CXDRAG, frame.dpi);
  switch (message) {
    case WM_MOUSEMOVE:
      if (model_.Move(at, pointer, dragDistance)) Show();
      return 0;
    case WM_LBUTTONUP:
      model_.Release(at, pointer, dragDistance);
      if (GetCapture() == frame.image) ReleaseCapture();
      Show();
      return 0;
    case WM_CAPTURECHANGED:
      model_.Abandon();
      Show();
      return std::nullopt;  // the viewer ends its own drag too
    default:
      return std::nullopt;
  }
}

bool MeasureOverlay::OnKey(UINT message, WPARAM wParam, const MeasureFrame& frame) {
  frame_ = frame;
  if (message == WM_KEYDOWN) {
    if (wParam != VK_ESCAPE || !Active()) return false;
    model_.Escape();
    if (!model_.Pressed() && GetCapture() == frame.image) ReleaseCapture();
    Show();
    return true;
  }
  if (message != WM_CHAR) return false;
  if (wParam == 3) {  // Ctrl+C
    const std::wstring text = model_.CopyText();
    if (!text.empty()) ui::SetClipboardText(frame.viewer, text);  // a busy clipboard is not reported
    return true;
  }
  if (!model_.Type(static_cast<wchar_t>(wParam))) return false;
  Show();
  // The typed character starts the box's text, the caret after it.
  const HWND edit = controls_.Get(kBoxEdit);
  ui::SetText(edit, std::wstring(1, static_cast<wchar_t>(wParam)));
  SendMessageW(edit, EM_SETSEL, 1, 1);
  SetFocus(edit);
  return true;
}

void MeasureOverlay::Follow(const MeasureFrame& frame) {
  frame_ = frame;
  if (created_) PlaceControls();
}

void MeasureOverlay::Forget() {
  model_ = MeasureModel();
  controls_ = ui::ControlSet();
  created_ = false;
}

// The model changed: its readout and box are shown, placed and filled, and
// the picture is drawn again with the measurement over it.
void MeasureOverlay::Show() {
  EnsureControls();
  if (!created_) return;
  ui::SetText(controls_.Get(kReadout), model_.Readout());
  ui::SetText(controls_.Get(kBoxLabel), model_.BoxCaption());
  PlaceControls();
  if (!model_.BoxOpen()) CloseBoxFocus();  // before the box hides, which would hand the focus to Image1
  ShowControl(controls_.Get(kReadout), model_.Shown());
  ShowControl(controls_.Get(kBoxLabel), model_.BoxOpen());
  ShowControl(controls_.Get(kBoxEdit), model_.BoxOpen());
  InvalidateRect(frame_.image, nullptr, FALSE);
}

// Made at the first measurement, so a viewer that never measures makes none.
void MeasureOverlay::EnsureControls() {
  if (created_ || !frame_.image) return;
  // The picture is painted around its children, never over the readout.
  SetWindowLongPtrW(frame_.image, GWL_STYLE, GetWindowLongPtrW(frame_.image, GWL_STYLE) | WS_CLIPCHILDREN);
  controls_.Create(frame_.image, kMeasureLayout, {L"宋体", 105});
  for (const int id : {kReadout, kBoxLabel}) {
    const HWND label = controls_.Get(id);
    // Without SS_NOTIFY a label lets the mouse through to the picture under it.
    SetWindowLongPtrW(label, GWL_STYLE, GetWindowLongPtrW(label, GWL_STYLE) & ~SS_NOTIFY);
  }
  for (const int id : {kReadout, kBoxLabel, kBoxEdit}) ShowControl(controls_.Get(id), false);
  SetWindowSubclass(controls_.Get(kBoxEdit), BoxKeys, 1, reinterpret_cast<DWORD_PTR>(this));
  controlsDpi_ = frame_.dpi;
  created_ = true;
}

void MeasureOverlay::PlaceControls() {
  if (controlsDpi_ != frame_.dpi) {
    controls_.Relayout(frame_.dpi);  // the fonts for the viewer's DPI
    controlsDpi_ = frame_.dpi;
  }
  const int gap = Scaled(8, frame_.dpi), pad = Scaled(4, frame_.dpi);
  const HWND readout = controls_.Get(kReadout), label = controls_.Get(kBoxLabel), edit = controls_.Get(kBoxEdit);
  const Extent text = TextExtent(readout, model_.Readout());
  const Extent size{text.width + 2 * pad, text.height + pad};
  const POINT anchor = Rounded(frame_.mapping.ToArea(model_.Anchor()));
  const Offset at = PlaceBeside({anchor.x, anchor.y}, model_.Toward(), size, frame_.seen, gap);
  MoveWindow(readout, at.x, at.y, size.width, size.height, TRUE);
  InvalidateRect(readout, nullptr, TRUE);  // centred anew: a label keeps what it drew when it only shrinks
  if (!model_.BoxOpen()) return;
  const Extent caption = TextExtent(label, model_.BoxCaption() + L" ");
  const int boxHeight = caption.height + 2 * pad, editWidth = TextExtent(edit, L"0000000000").width + 2 * pad;
  const Offset box = PlaceBelow({at.x, at.y, at.x + size.width, at.y + size.height},
                                {caption.width + editWidth, boxHeight}, frame_.seen, pad);
  MoveWindow(label, box.x, box.y, caption.width, boxHeight, TRUE);
  InvalidateRect(label, nullptr, TRUE);
  MoveWindow(edit, box.x + caption.width, box.y, editWidth, boxHeight, TRUE);
}

void MeasureOverlay::PaintOver(const MeasureFrame& frame) const {
  const MeasureDrawing drawing = model_.Drawing(frame.mapping);
  if (!drawing.line && !drawing.circle && drawing.markCount == 0) return;
  const ui::WindowDc dc(frame.image);  // clipped around the readout and the box
  const int core = Scaled(1, frame.dpi), edge = Scaled(1, frame.dpi), mark = Scaled(4, frame.dpi);
  const ui::Pen edgePen(CreatePen(PS_SOLID, core + 2 * edge, kEdgeColour)), linePen(CreatePen(PS_SOLID, core, kLineColour));
  const ui::SelectionGuard hollow(dc.get(), GetStockObject(HOLLOW_BRUSH));
  {
    const ui::SelectionGuard pen(dc.get(), edgePen.get());
    DrawShapes(dc.get(), drawing, mark);
  }
  const ui::SelectionGuard pen(dc.get(), linePen.get());
  DrawShapes(dc.get(), drawing, mark);
}

void MeasureOverlay::EnterScale() {
  const HWND edit = controls_.Get(kBoxEdit);
  if (!model_.SetScale(ui::GetText(edit))) SendMessageW(edit, EM_SETSEL, 0, -1);  // to be typed over
  Show();
}

// A closed box gives the keyboard back to the viewer.
void MeasureOverlay::CloseBoxFocus() {
  if (GetFocus() == controls_.Get(kBoxEdit)) SetFocus(frame_.viewer);
}

// Enter sets the scale, Esc closes the box; a single-line text box would
// only beep at either.
LRESULT CALLBACK MeasureOverlay::BoxKeys(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
  auto* overlay = reinterpret_cast<MeasureOverlay*>(self);
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    overlay->EnterScale();
    return 0;
  }
  if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
    overlay->model_.Escape();
    overlay->Show();
    return 0;
  }
  if (message == WM_CHAR && (wParam == L'\r' || wParam == 27)) return 0;
  // "SetWindowSubclass function" (Microsoft Learn): the subclass goes before the window does.
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, BoxKeys, 1);
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace capture
