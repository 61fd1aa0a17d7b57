#pragma once
// The full-screen viewer's geometry: where the picture sits in the picture
// area, how a drag with the left or middle button moves it, the two clamps
// applied after every move, and the zoom. Everything is in pixels of the
// viewer's DPI; the two distances the viewer is laid out with are kept in
// twips and converted once per DPI.

#include <array>
#include <string>
#include <string_view>

namespace capture {

struct Extent {
  int width = 0, height = 0;
};

struct Offset {
  int x = 0, y = 0;
  bool operator==(const Offset&) const = default;
};

// Distances of the viewer's layout for one DPI.
struct ViewerMetrics {
  int titleAllowance = 0;  // outer height minus picture area height (350 twips)
  int centreLift = 0;      // a small picture sits this far up and left of centre (130 twips)
  static ViewerMetrics ForDpi(unsigned dpi);
};

// The picture area for the viewer's outer size.
Extent PictureArea(Extent outer, const ViewerMetrics& metrics);

// Where a newly captured picture goes: its top-left corner at the area's
// when it is larger than the area along that axis, otherwise near the centre.
Offset PlacePicture(Extent picture, Extent area, const ViewerMetrics& metrics);

// Keeps the picture from leaving a gap at the top and left, then from
// leaving one at the bottom and right. The second clamp is applied last, so
// a picture smaller than the area ends against its bottom and right edges.
Offset ClampPicture(Offset proposed, Extent picture, Extent area);

enum class MouseButton { Left, Middle, Right };

// Panning: a press of the left or middle button grabs the picture at the
// pointer; moves and the release then carry it along one to one.
class PanModel {
 public:
  // Returns whether the press starts a drag (the right button saves instead).
  bool Press(MouseButton button, Offset pointerInPicture);
  // The picture's new position for a pointer position inside the picture,
  // or the unchanged one when no drag is going on.
  Offset Move(Offset pointerInPicture, Offset picture, Extent pictureSize, Extent area) const;
  Offset Release(Offset pointerInPicture, Offset picture, Extent pictureSize, Extent area);
  bool Dragging() const { return dragging_; }

 private:
  bool dragging_ = false;
  Offset grab_;
};

// A rectangle in pixels, right and bottom excluded.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRect&) const = default;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(Offset p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

// What a zoomed view draws: these picture pixels stretched onto this
// rectangle of the picture area. The target may reach past the area where a
// magnified pixel is cut by its edge.
struct ZoomSlice {
  PixelRect source, target;
};

// The mouse wheel's unit: one notch of a classic wheel. High-resolution
// wheels and touchpads send parts of it.
inline constexpr int kWheelNotch = 120;

// The zoom: a scale and where the zoomed picture's top-left corner lies in
// the picture area. The corner is kept in fractions of a pixel, so zooming
// in and out about one point does not drift; what is drawn is rounded.
//
// Each notch scales by 1.25 about the point under the pointer, a part of a
// notch by the same part of that step, so parts add up to whole notches and
// the zoom follows a smooth wheel smoothly. The scale runs from "the whole
// picture fits the area" (or 1:1 when that is larger) up to 800 %.
//
// At 1:1 the picture obeys the two clamps above, exactly as it does when
// dragged. At any other scale the clamps hold the zoomed picture along each
// axis on which it is larger than the area; along an axis on which it is not,
// it is centred. The zoom's own rules ("fits", the clamps and the centring
// while zoomed) use the part of the area the window shows (`seen`): the
// area is as wide as the whole window and reaches under its frame.
class ZoomView {
 public:
  // A picture newly placed (PlacePicture), at 1:1.
  void Reset(Offset placed);
  double Scale() const { return scale_; }
  // The zoomed picture's top-left corner in the area, unrounded.
  double Left() const { return left_; }
  double Top() const { return top_; }
  bool OneToOne() const { return scale_ == 1.0; }
  // The zoomed picture's rectangle in the area, its edges rounded.
  PixelRect Shown(Extent picture) const;
  // The part of the area the picture covers.
  PixelRect Covered(Extent picture, Extent area) const;
  // The picture pixels to draw and where, for the part of the area covered.
  ZoomSlice Visible(Extent picture, Extent area) const;

  // A wheel turn of `delta` units (positive: away from the user, zooming in)
  // with the pointer at `at` in the area. Returns whether the view changed.
  bool Wheel(int delta, Offset at, Extent picture, Extent area, Extent seen);
  // A double-click or Ctrl+0: back to 1:1 about `at`; at 1:1, to "fits".
  void Toggle(Offset at, Extent picture, Extent area, Extent seen);
  // A drag moved the picture's top-left corner here (clamped already by the
  // pan rules on the zoomed size); a zoomed picture smaller than the area
  // along an axis is centred along it instead.
  void MoveTo(Offset origin, Extent picture, Extent area, Extent seen);
  // The area changed size: a zoomed picture is held by the clamps and
  // centred again. At 1:1 the picture stays where it is.
  void Refit(Extent picture, Extent seen);

 private:
  void ScaleAbout(double scale, Offset at, Extent picture, Extent area, Extent seen);
  void Settle(Extent picture, Extent area, Extent seen);

  double scale_ = 1.0;
  double left_ = 0, top_ = 0;
};

// The four values a closing viewer leaves in the settings store: its outer
// left, top, width and height in twips, as decimal text, in this order.
struct SettingValue {
  std::wstring_view name;
  std::wstring text;
};
std::array<SettingValue, 4> ViewerSettings(int leftTwips, int topTwips, int widthTwips, int heightTwips);

}  // namespace capture
