#include "velmora/capture/viewer_model.h"

namespace capture {
namespace {

constexpr int kTitleAllowanceTwips = 350;
constexpr int kCentreLiftTwips = 130;

// Twips to pixels, rounded to nearest like the window layer does.
int TwipsAt(int twips, unsigned dpi) {
  return static_cast<int>((static_cast<long long>(twips) * dpi + 720) / 1440);
}

int PlaceAxis(int picture, int area, int lift) { return picture > area ? 0 : (area - picture) / 2 - lift; }

int ClampAxis(int proposed, int picture, int area) {
  int value = proposed > 0 ? 0 : proposed;
  if (value < area - picture) value = area - picture;
  return value;
}

}  // namespace

ViewerMetrics ViewerMetrics::ForDpi(unsigned dpi) {
  return {TwipsAt(kTitleAllowanceTwips, dpi), TwipsAt(kCentreLiftTwips, dpi)};
}

Extent PictureArea(Extent outer, const ViewerMetrics& metrics) {
  return {outer.width, outer.height - metrics.titleAllowance};
}

Offset PlacePicture(Extent picture, Extent area, const ViewerMetrics& metrics) {
  return {PlaceAxis(picture.width, area.width, metrics.centreLift),
          PlaceAxis(picture.height, area.height, metrics.centreLift)};
}

Offset ClampPicture(Offset proposed, Extent picture, Extent area) {
  return {ClampAxis(proposed.x, picture.width, area.width), ClampAxis(proposed.y, picture.height, area.height)};
}

bool PanModel::Press(MouseButton button, Offset pointerInPicture) {
  if (button == MouseButton::Right) return false;
  dragging_ = true;
  grab_ = pointerInPicture;
  return true;
}

Offset PanModel::Move(Offset pointer, Offset picture, Extent pictureSize, Extent area) const {
  if (!dragging_) return picture;
  const Offset proposed{picture.x + (pointer.x - grab_.x), picture.y + (pointer.y - grab_.y)};
  return ClampPicture(proposed, pictureSize, area);
}

Offset PanModel::Release(Offset pointer, Offset picture, Extent pictureSize, Extent area) {
  const Offset result = Move(pointer, picture, pictureSize, area);
  dragging_ = false;
  return result;
}

std::array<SettingValue, 4> ViewerSettings(int left, int top, int width, int height) {
  return {{{L"MainLeft", std::to_wstring(left)},
           {L"MainTop", std::to_wstring(top)},
           {L"MainWidth", std::to_wstring(width)},
           {L"MainHeight", std::to_wstring(height)}}};
}

}  // namespace capture
