#include "velmora/capture/viewer_model.h"

#include <algorithm>
#include <cmath>

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

constexpr double kNotchFactor = 1.25;
constexpr double kLargestScale = 8.0;

int RoundEdge(double value) { return static_cast<int>(std::floor(value + 0.5)); }

bool Drawable(Extent picture, Extent area) {
  return picture.width > 0 && picture.height > 0 && area.width > 0 && area.height > 0;
}

// The scale at which the whole picture just fits the area.
double FitScale(Extent picture, Extent area) {
  return std::min(static_cast<double>(area.width) / picture.width, static_cast<double>(area.height) / picture.height);
}

// A zoomed picture larger than the area along an axis leaves no gap at
// either end; one that is not is centred.
double SettleAxis(double origin, double size, int area) {
  if (size <= area) return (area - size) / 2;
  return std::clamp(origin, area - size, 0.0);
}

// Along one axis: the picture pixels under the covered span [from, to) of
// the area, and the span they are drawn onto.
void SliceAxis(double origin, double scale, int from, int to, int size, int& source0, int& source1, int& target0,
               int& target1) {
  source0 = std::clamp(static_cast<int>(std::floor((from - origin) / scale)), 0, size);
  source1 = std::clamp(static_cast<int>(std::ceil((to - origin) / scale)), source0, size);
  target0 = RoundEdge(origin + source0 * scale);
  target1 = RoundEdge(origin + source1 * scale);
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

void ZoomView::Reset(Offset placed) {
  scale_ = 1.0;
  left_ = placed.x;
  top_ = placed.y;
}

PixelRect ZoomView::Shown(Extent picture) const {
  return {RoundEdge(left_), RoundEdge(top_), RoundEdge(left_ + picture.width * scale_),
          RoundEdge(top_ + picture.height * scale_)};
}

PixelRect ZoomView::Covered(Extent picture, Extent area) const {
  const PixelRect shown = Shown(picture);
  const int left = std::max(shown.left, 0), top = std::max(shown.top, 0);
  return {left, top, std::max(left, std::min(shown.right, area.width)),
          std::max(top, std::min(shown.bottom, area.height))};
}

ZoomSlice ZoomView::Visible(Extent picture, Extent area) const {
  const PixelRect covered = Covered(picture, area);
  ZoomSlice slice;
  SliceAxis(left_, scale_, covered.left, covered.right, picture.width, slice.source.left, slice.source.right,
            slice.target.left, slice.target.right);
  SliceAxis(top_, scale_, covered.top, covered.bottom, picture.height, slice.source.top, slice.source.bottom,
            slice.target.top, slice.target.bottom);
  return slice;
}

bool ZoomView::Wheel(int delta, Offset at, Extent picture, Extent area, Extent seen) {
  if (delta == 0 || !Drawable(picture, seen)) return false;
  const double wanted = scale_ * std::pow(kNotchFactor, static_cast<double>(delta) / kWheelNotch);
  const double smallest = std::min(FitScale(picture, seen), 1.0);
  // Never against the wheel: a view already past an end (the area has grown
  // since) only moves back towards the range.
  double scale = delta > 0 ? std::max(scale_, std::min(wanted, kLargestScale))
                           : std::min(scale_, std::max(wanted, smallest));
  if (std::abs(scale - 1.0) < 1e-9) scale = 1.0;  // parts of notches that add up to 1:1 land on it
  if (scale == scale_) return false;
  ScaleAbout(scale, at, picture, area, seen);
  return true;
}

void ZoomView::Toggle(Offset at, Extent picture, Extent area, Extent seen) {
  if (!Drawable(picture, seen)) return;
  ScaleAbout(OneToOne() ? std::min(FitScale(picture, seen), kLargestScale) : 1.0, at, picture, area, seen);
}

void ZoomView::MoveTo(Offset origin, Extent picture, Extent area, Extent seen) {
  left_ = origin.x;
  top_ = origin.y;
  Settle(picture, area, seen);
}

void ZoomView::Refit(Extent picture, Extent seen) {
  if (!OneToOne()) Settle(picture, seen, seen);  // the area is used at 1:1 only
}

void ZoomView::ScaleAbout(double scale, Offset at, Extent picture, Extent area, Extent seen) {
  const double ratio = scale / scale_;
  left_ = at.x - (at.x - left_) * ratio;
  top_ = at.y - (at.y - top_) * ratio;
  scale_ = scale;
  Settle(picture, area, seen);
}

void ZoomView::Settle(Extent picture, Extent area, Extent seen) {
  if (OneToOne()) {
    const Offset clamped = ClampPicture({RoundEdge(left_), RoundEdge(top_)}, picture, area);
    left_ = clamped.x;
    top_ = clamped.y;
    return;
  }
  left_ = SettleAxis(left_, picture.width * scale_, seen.width);
  top_ = SettleAxis(top_, picture.height * scale_, seen.height);
}

std::array<SettingValue, 4> ViewerSettings(int left, int top, int width, int height) {
  return {{{L"MainLeft", std::to_wstring(left)},
           {L"MainTop", std::to_wstring(top)},
           {L"MainWidth", std::to_wstring(width)},
           {L"MainHeight", std::to_wstring(height)}}};
}

}  // namespace capture
