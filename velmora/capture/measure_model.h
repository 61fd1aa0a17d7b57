#pragma once
// Measuring on the viewer's picture: a length with its horizontal and
// vertical parts and its angle, a circle through three points, and a scale
// in millimetres from one known length. Points are kept in picture pixels,
// with fractions of a pixel when zoomed in, so what was measured stays on
// the picture through later panning and zooming. The scale lasts as long as
// the model, which is as long as its viewer.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "velmora/capture/viewer_model.h"

namespace capture {

struct PicturePoint {
  double x = 0, y = 0;
  bool operator==(const PicturePoint&) const = default;
};

// Where the zoomed picture lies in the picture area: area = left + picture * scale.
struct ViewMapping {
  double left = 0, top = 0, scale = 1;
  // Whether an area point lies on the picture.
  bool OnPicture(Offset inArea, Extent picture) const;
  // The picture point under an area point, kept on the picture: a drag that
  // leaves it measures to its edge.
  PicturePoint ToPicture(Offset inArea, Extent picture) const;
  PicturePoint ToArea(PicturePoint inPicture) const;
};

// A line's length, its parts (x to the right, y upwards, as on a drawing)
// and the angle of the line to the horizontal, in degrees above -90 and up
// to 90: positive where the line rises to the right, the same whichever end
// was pressed first.
struct LineReading {
  double length = 0, dx = 0, dy = 0, angle = 0;
};
LineReading MeasureLine(PicturePoint from, PicturePoint to);

struct Circle {
  PicturePoint centre;
  double radius = 0;
};
// The circle through three points; none when they lie on one line (or two
// of them coincide).
std::optional<Circle> CircleThrough(PicturePoint a, PicturePoint b, PicturePoint c);

// A value as shown: one decimal, two below 10, rounded half away from zero.
std::wstring MeasureNumberText(double value);

// What there is to draw, in area pixels.
struct MeasureDrawing {
  std::optional<std::array<PicturePoint, 2>> line;
  std::optional<Circle> circle;
  std::array<PicturePoint, 3> marks{};  // the circle's points so far, or its centre
  int markCount = 0;
};

// Where a label of `size` goes beside `anchor`, `gap` away from it on the
// sides `toward` points to (right or left, below or above), so it does not
// cover what it labels; on the other side where the seen part of the area
// has no room, and never past its top or left edge.
Offset PlaceBeside(Offset anchor, PicturePoint toward, Extent size, Extent seen, int gap);
// Where a box of `size` goes under a label: at its left, `gap` below it, or
// above it where there is no room below; moved left where it would reach
// past the seen part's right edge.
Offset PlaceBelow(PixelRect label, Extent size, Extent seen, int gap);

class MeasureModel {
 public:
  // Shift and a press of the left button on the picture. A press closes the
  // scale box: the next measurement begins.
  void Press(PicturePoint at, Offset inArea);
  // The pointer moved with the button down. Once it has left the press
  // point by more than `dragDistance` area pixels along either axis, the
  // press draws a line to it. Returns whether anything shown changed.
  bool Move(PicturePoint at, Offset inArea, int dragDistance);
  // The button came up: a drag leaves its line; a press that never moved is
  // a point of a circle, the third of which shows the circle or refuses.
  void Release(PicturePoint at, Offset inArea, int dragDistance);
  // The mouse was taken away: a line drawn so far stays.
  void Abandon() { pressed_ = false; }
  bool Pressed() const { return pressed_; }

  // Esc: closes the scale box, or else clears the measurement.
  void Escape();
  // A character typed in the viewer: a digit or a decimal point with a line
  // shown opens the scale box. Returns whether it did.
  bool Type(wchar_t typed);
  // Enter in the box: sets the shown line's length to that many millimetres.
  // A refusal keeps the old scale and the box open with a short message.
  bool SetScale(std::wstring_view millimetres);

  bool Shown() const { return shape_ != Shape::None; }
  bool BoxOpen() const { return boxOpen_; }
  std::wstring Readout() const;
  std::wstring BoxCaption() const;
  // The readout's main value with its unit, for the clipboard; empty when
  // there is none.
  std::wstring CopyText() const;
  // The point the readout stands beside, the pointer's last, and the way
  // from the measurement out to it: along the line, or out of the circle.
  PicturePoint Anchor() const { return anchor_; }
  PicturePoint Toward() const;
  MeasureDrawing Drawing(const ViewMapping& mapping) const;

 private:
  enum class Shape { None, Line, Points, Circle, Refused };
  std::wstring LengthText(double pixels) const;
  void AddPoint(PicturePoint at);

  Shape shape_ = Shape::None;
  bool pressed_ = false, dragging_ = false, boxOpen_ = false;
  PicturePoint pressAt_, anchor_;
  Offset pressArea_;
  std::array<PicturePoint, 3> points_{};  // a line's two ends, or a circle's points
  int pointCount_ = 0;
  Circle circle_;
  std::optional<double> millimetresPerPixel_;
  std::wstring_view refusal_;
};

}  // namespace capture
