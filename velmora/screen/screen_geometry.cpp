#include "velmora/screen/screen_geometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace screen {
namespace {

std::int64_t Area(const ScreenRect& r) { return r.Empty() ? 0 : std::int64_t{r.Width()} * r.Height(); }

// How far a rectangle lies from another along one axis; 0 where they overlap.
std::int64_t Gap(int aLow, int aHigh, int bLow, int bHigh) {
  if (aHigh < bLow) return std::int64_t{bLow} - aHigh;
  if (bHigh < aLow) return std::int64_t{aLow} - bHigh;
  return 0;
}

bool Covered(int left, int top, std::span<const Monitor> monitors) {
  return std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& m) {
    return left >= m.bounds.left && left < m.bounds.right && top >= m.bounds.top && top < m.bounds.bottom;
  });
}

// Every distinct edge of the monitors along one axis, in order.
template <typename Edge>
std::vector<int> Edges(std::span<const Monitor> monitors, Edge low, Edge high) {
  std::vector<int> edges;
  for (const Monitor& m : monitors) {
    edges.push_back(m.bounds.*low);
    edges.push_back(m.bounds.*high);
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  return edges;
}

}  // namespace

ScreenRect Intersection(const ScreenRect& a, const ScreenRect& b) {
  const ScreenRect common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                          std::min(a.bottom, b.bottom)};
  return common.Empty() ? ScreenRect{} : common;
}

ScreenRect VirtualScreen(std::span<const Monitor> monitors) {
  if (monitors.empty()) return {};
  ScreenRect all = monitors.front().bounds;
  for (const Monitor& m : monitors) {
    all = {std::min(all.left, m.bounds.left), std::min(all.top, m.bounds.top), std::max(all.right, m.bounds.right),
           std::max(all.bottom, m.bounds.bottom)};
  }
  return all;
}

std::vector<ScreenRect> UncoveredParts(std::span<const Monitor> monitors) {
  // The monitors' edges cut the virtual screen into cells that are either
  // wholly shown or wholly uncovered; runs of uncovered cells in one band
  // become one rectangle, and a rectangle goes on down while the bands
  // below repeat it.
  const std::vector<int> xs = Edges(monitors, &ScreenRect::left, &ScreenRect::right);
  const std::vector<int> ys = Edges(monitors, &ScreenRect::top, &ScreenRect::bottom);
  std::vector<ScreenRect> parts, previousBand;
  for (std::size_t row = 0; row + 1 < ys.size(); ++row) {
    std::vector<ScreenRect> band;
    for (std::size_t column = 0; column + 1 < xs.size(); ++column) {
      if (Covered(xs[column], ys[row], monitors)) continue;
      if (!band.empty() && band.back().right == xs[column]) {
        band.back().right = xs[column + 1];
      } else {
        band.push_back({xs[column], ys[row], xs[column + 1], ys[row + 1]});
      }
    }
    for (ScreenRect& run : band) {
      const auto above = std::find_if(parts.begin(), parts.end(), [&](const ScreenRect& p) {
        return p.bottom == run.top && p.left == run.left && p.right == run.right;
      });
      if (above != parts.end()) {
        above->bottom = run.bottom;
      } else {
        parts.push_back(run);
      }
    }
  }
  return parts;
}

const Monitor* MonitorOf(const ScreenRect& rect, std::span<const Monitor> monitors) {
  const Monitor* best = nullptr;
  std::int64_t bestOverlap = 0;
  for (const Monitor& m : monitors) {
    const std::int64_t overlap = Area(Intersection(rect, m.bounds));
    if (overlap > bestOverlap) best = &m, bestOverlap = overlap;
  }
  if (best) return best;
  std::int64_t nearest = std::numeric_limits<std::int64_t>::max();
  for (const Monitor& m : monitors) {
    const std::int64_t dx = Gap(rect.left, rect.right, m.bounds.left, m.bounds.right);
    const std::int64_t dy = Gap(rect.top, rect.bottom, m.bounds.top, m.bounds.bottom);
    if (dx * dx + dy * dy < nearest) best = &m, nearest = dx * dx + dy * dy;
  }
  return best;
}

PickerCover PickerCovers(std::span<const Monitor> monitors) {
  return {VirtualScreen(monitors), monitors.size() == 1};
}

bool DrawnAtScreenSize(DpiAwareness awareness, unsigned windowDpi, unsigned monitorDpi, unsigned systemDpi) {
  constexpr unsigned kUnscaled = 96;
  if (awareness == DpiAwareness::PerMonitor) return true;
  if (windowDpi != 0) return windowDpi == monitorDpi;
  return monitorDpi == kUnscaled && systemDpi == kUnscaled;
}

WindowShot ShotOfWindow(const ShotTarget& target, std::span<const Monitor> monitors, unsigned systemDpi) {
  if (target.minimised) return {};
  const ScreenRect& window = target.window;
  // Where the system gives no visible frame, the outer rectangle is it.
  ScreenRect seen = target.visible.Empty() ? window : Intersection(target.visible, window);
  const Monitor* home = MonitorOf(window, monitors);
  if (target.maximised && home) seen = Intersection(seen, home->bounds);
  if (seen.Empty()) return {};
  if (target.rendersOwnPicture &&
      DrawnAtScreenSize(target.awareness, target.dpi, home ? home->dpi : systemDpi, systemDpi)) {
    return {WindowShot::Source::Window,
            {seen.left - window.left, seen.top - window.top, seen.right - window.left, seen.bottom - window.top}};
  }
  const ScreenRect shown = Intersection(seen, VirtualScreen(monitors));
  if (shown.Empty()) return {};
  return {WindowShot::Source::Screen, shown};
}

const Monitor* NoticeMonitor(const std::optional<ScreenRect>& anchor, std::span<const Monitor> monitors) {
  if (anchor && !anchor->Empty()) return MonitorOf(*anchor, monitors);
  const auto primary = std::find_if(monitors.begin(), monitors.end(),
                                    [](const Monitor& m) { return m.bounds.left == 0 && m.bounds.top == 0; });
  return primary != monitors.end() ? &*primary : (monitors.empty() ? nullptr : &monitors.front());
}

ScreenPoint NoticeOrigin(const std::optional<ScreenRect>& anchor, int width, int height, const Monitor& monitor) {
  const ScreenRect& work = monitor.work;
  const bool anchored = anchor && !anchor->Empty();
  int x = anchored ? anchor->right - width : work.right - width;
  int y = anchored ? anchor->top - height : work.bottom - height;
  if (anchored && y < work.top) y = anchor->bottom;
  // A notice larger than the work area keeps its top-left corner in view.
  x = std::clamp(x, work.left, std::max(work.left, work.right - width));
  y = std::clamp(y, work.top, std::max(work.top, work.bottom - height));
  return {x, y};
}

}  // namespace screen
