#pragma once
// The full-screen viewer's geometry: where the picture sits in the picture
// area, how a drag with the left or middle button moves it, and the two
// clamps applied after every move. Everything is in pixels of the viewer's
// DPI; the two distances the viewer is laid out with are kept in twips and
// converted once per DPI.

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

// The four values a closing viewer leaves in the settings store: its outer
// left, top, width and height in twips, as decimal text, in this order.
struct SettingValue {
  std::wstring_view name;
  std::wstring text;
};
std::array<SettingValue, 4> ViewerSettings(int leftTwips, int topTwips, int widthTwips, int heightTwips);

}  // namespace capture
