#pragma once
// The bar's geometry and mouse rules, free of the window system: where it
// starts, how dragging keeps the grabbed point under the cursor, and which
// foreground window becomes the typing target.

#include <cstdint>
#include <optional>

namespace velmora {

// The bar's client area in twips.
inline constexpr int kBarWidthTwips = 840;
inline constexpr int kBarHeightTwips = 285;
// The bare strip at the bar's left edge (the rest is the button panel).
inline constexpr int kBarStripTwips = 225;

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// The bar's top-left corner (all in twips) from the work area's right and
// bottom edges: the bar's right edge 50 twips in from the work area's, its
// bottom one bar height plus 100 twips above it, so it stands clear of the
// taskbar wherever the taskbar is.
Point CornerPosition(Point workAreaRightBottom, int barWidth, int barHeight);

enum class MouseButton { Left, Right, Middle };

// Dragging by the bare strip. Positions are pixels: presses relative to the
// bar's client area, moves in screen coordinates.
class BarDrag {
 public:
  enum class PressResult { StartDrag, PopUpMenu };
  PressResult Press(MouseButton button, Point inBar);
  // Where the bar's top-left corner goes, or nothing when not dragging.
  std::optional<Point> Move(Point cursorOnScreen) const;
  void Release() { dragging_ = false; }
  bool Dragging() const { return dragging_; }

 private:
  bool dragging_ = false;
  Point grab_;
};

// The window that receives typed words: the last foreground window that was
// not the bar itself. A null foreground (while activation changes) is kept
// too, as it was seen.
class ForegroundTracker {
 public:
  explicit ForegroundTracker(std::uintptr_t bar) : bar_(bar) {}
  void Tick(std::uintptr_t foreground) {
    if (foreground != bar_) target_ = foreground;
  }
  std::uintptr_t Target() const { return target_; }
  // The window the user works in, given the foreground one: that window, or
  // where it is the bar (a click on it started a command), the target.
  std::uintptr_t WorkedIn(std::uintptr_t foreground) const { return foreground == bar_ ? target_ : foreground; }

 private:
  std::uintptr_t bar_;
  std::uintptr_t target_ = 0;
};

}  // namespace velmora
