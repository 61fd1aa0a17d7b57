#pragma once
// The area picker's rules: a press starts a selection and moves the size
// read-out just above the pressed point, a move with only the left button
// held shows the size and a green frame around the selection, and a release
// of any button takes the rectangle between the two corners. A one-second
// clock closes a picker that the mouse has not moved over for eleven ticks.
// Positions are pixels of the frozen screen picture.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "velmora/screen/screen_geometry.h"

namespace capture {

// Mouse buttons as a set; keyboard modifiers are not part of it.
enum PickButtons : unsigned {
  kNoButton = 0,
  kLeftButton = 1,
  kRightButton = 2,
  kMiddleButton = 4,
  kXButton1 = 8,
  kXButton2 = 16,
};

struct PickPoint {
  int x = 0, y = 0;
  bool operator==(const PickPoint&) const = default;
};

// A rectangle by its corner and size; width and height are never negative.
struct PickRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const PickRect&) const = default;
};

// The outline's two opposite corners, both on the outline.
struct FrameCorners {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const FrameCorners&) const = default;
};

// Sizes of the picker's layout in pixels of its DPI.
struct PickerMetrics {
  int readOutWidth = 0;   // the read-out box while selecting (70 pixels at 96 DPI)
  int readOutHeight = 0;  // its height (375 twips)
  int readOutGap = 0;     // between its bottom and the pressed point (2 pixels at 96 DPI)
  unsigned dpi = 96;      // what they are sized at; the box's text takes it too
  static PickerMetrics ForDpi(unsigned dpi);
};

// The layout at a pressed point of a picker whose picture begins at the
// top-left corner of `covered`: at the DPI of the monitor under the point,
// or of the nearest one where no monitor shows the point.
PickerMetrics PickerMetricsAt(PickPoint inPicture, const screen::ScreenRect& covered,
                              std::span<const screen::Monitor> monitors);

// What a move shows: the size read-out text and the frame to draw.
struct SelectionFeedback {
  std::wstring sizeText;  // "215,64"
  FrameCorners frame;
};

inline constexpr int kIdleCloseTicks = 10;  // the picker closes on the tick after this many

class PickerModel {
 public:
  enum class State { Idle, Selecting, Capturing };

  // A picker loaded again starts idle; the idle count is kept.
  void Load() { state_ = State::Idle; }

  // Where the read-out box goes, when the press starts a selection.
  std::optional<PickRect> Press(PickPoint at, const PickerMetrics& metrics);
  // Any movement counts as activity; feedback only while selecting with
  // exactly the left button held.
  std::optional<SelectionFeedback> Move(PickPoint at, unsigned buttons);
  // The rectangle to capture, when the release ends a selection.
  std::optional<PickRect> Release(PickPoint at);
  // The picture has been taken; the picker is idle again.
  void CaptureDone() { state_ = State::Idle; }
  // One tick of the idle clock; true when the picker is to close.
  bool Tick();

  State CurrentState() const { return state_; }
  int IdleTicks() const { return idleTicks_; }
  PickPoint Start() const { return start_; }

 private:
  State state_ = State::Idle;
  PickPoint start_;
  PickPoint end_;
  int idleTicks_ = 0;
};

// The rectangle between two corners given in any order.
PickRect SelectionBetween(PickPoint a, PickPoint b);
// The outline one pixel outside that selection on every side.
FrameCorners FrameAround(PickPoint a, PickPoint b);
// "width,height" of the selection from a to b.
std::wstring SizeReadOut(PickPoint a, PickPoint b);

}  // namespace capture
