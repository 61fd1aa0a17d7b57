#include "velmora/app/bar_model.h"

namespace velmora {

Point CornerPosition(Point workAreaRightBottom, int barWidth, int barHeight) {
  return {workAreaRightBottom.x - barWidth - 50, workAreaRightBottom.y - 2 * barHeight - 100};
}

BarDrag::PressResult BarDrag::Press(MouseButton button, Point inBar) {
  if (button == MouseButton::Right) return PressResult::PopUpMenu;
  dragging_ = true;
  grab_ = inBar;
  return PressResult::StartDrag;
}

std::optional<Point> BarDrag::Move(Point cursorOnScreen) const {
  if (!dragging_) return std::nullopt;
  return Point{cursorOnScreen.x - grab_.x, cursorOnScreen.y - grab_.y};
}

}  // namespace velmora
