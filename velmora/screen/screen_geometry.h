#pragma once
// Where captures read and where the notice stands, on a desktop of one or
// more monitors. Everything is in physical pixels of the virtual screen:
// the primary monitor's top-left corner is 0,0, other monitors may lie left
// of or above it (negative coordinates), differ in size and DPI, and leave
// gaps that no monitor shows.

#include <optional>
#include <span>
#include <vector>

namespace screen {

struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
  int x = 0, y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

struct Monitor {
  ScreenRect bounds;    // the whole monitor
  ScreenRect work;      // without the taskbar and docked bars
  unsigned dpi = 96;    // its effective DPI
};

// The common part of two rectangles; an empty (all zero) one when they do
// not overlap.
ScreenRect Intersection(const ScreenRect& a, const ScreenRect& b);

// The smallest rectangle that holds every monitor: what whole-screen
// captures and the area picker cover. Empty when there is no monitor.
ScreenRect VirtualScreen(std::span<const Monitor> monitors);

// The parts of the virtual screen that no monitor shows, in bands from top
// to bottom; a capture paints them black.
std::vector<ScreenRect> UncoveredParts(std::span<const Monitor> monitors);

// The monitor a rectangle belongs to, as the system decides it: the one it
// overlaps most, else the nearest one. Null when there is no monitor.
const Monitor* MonitorOf(const ScreenRect& rect, std::span<const Monitor> monitors);

// Where the area picker stands: maximised on a desktop of one monitor, as
// ever; over the whole virtual screen, every monitor, where there are more.
struct PickerCover {
  ScreenRect rect;
  bool maximised = false;
  bool operator==(const PickerCover&) const = default;
};
PickerCover PickerCovers(std::span<const Monitor> monitors);

// What a shot of one window reads.
struct WindowShot {
  enum class Source { None, Window, Screen };
  Source source = Source::None;
  // With Source::Window, the part of the window's own picture (relative to
  // its top-left corner) that the user sees as the window; with
  // Source::Screen, the rectangle of the screen to read.
  ScreenRect rect;
  bool operator==(const WindowShot&) const = default;
};

// How a window follows the DPI of the monitor it stands on. The system
// scales what an unaware or system-aware window draws wherever that DPI
// differs from the one the window draws at.
enum class DpiAwareness { Unknown, Unaware, System, PerMonitor };

// A window to take, as the system describes it.
struct ShotTarget {
  ScreenRect window;   // the outer rectangle
  ScreenRect visible;  // the visible frame (a modern frame's invisible resize borders left out); empty where unknown
  bool minimised = false;
  bool maximised = false;
  bool rendersOwnPicture = false;  // the system can draw the window's own picture, and the window answers
  DpiAwareness awareness = DpiAwareness::Unknown;
  unsigned dpi = 0;  // the DPI it draws at; 0 where the system cannot say
};

// Whether the window's own picture has the size it has on screen: it follows
// its monitor's DPI or draws at it already. Where the window's DPI is unknown
// only a desktop at 96 DPI throughout scales nobody.
bool DrawnAtScreenSize(DpiAwareness awareness, unsigned windowDpi, unsigned monitorDpi, unsigned systemDpi);

// A shot of a window. Its own picture, where the system can render it at
// the window's on-screen size, holds the window wherever it stands, on any
// monitor or off all of them, and nothing that covers it; otherwise the shot
// reads the screen, clipped to the virtual screen. A maximised window is cut
// to its own monitor (the system lets its frame run past the edges). Nothing
// to read, or a minimised window, gives Source::None: such a shot is skipped.
WindowShot ShotOfWindow(const ShotTarget& target, std::span<const Monitor> monitors, unsigned systemDpi);

// Where the notice goes: on the anchor's monitor (the bar's), above the
// anchor with right edges aligned, below it where there is no room above,
// always inside that monitor's work area. Without an anchor, the lower
// right corner of the primary monitor's work area (the monitor at 0,0).
ScreenPoint NoticeOrigin(const std::optional<ScreenRect>& anchor, int width, int height, const Monitor& monitor);

// The monitor the notice goes on: the anchor's, or the primary one.
const Monitor* NoticeMonitor(const std::optional<ScreenRect>& anchor, std::span<const Monitor> monitors);

}  // namespace screen
