#pragma once
// The rules of the statement input window that need no window system: which
// foreground window becomes the target, how a title is cut for its list, how
// a sentence file's path is put together, and how the controls follow the
// window's size.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::input {

inline constexpr std::wstring_view kInputCaption = L"Tesmarin－－之语句输入助手";
inline constexpr std::wstring_view kSentenceFolder = L"语句\\";
inline constexpr std::wstring_view kSentencePattern = L"*.txt;*.inf";

// A foreground title longer than this is shown cut (the target list holds
// one short line).
inline constexpr std::size_t kMaxTitleLength = 127;

// True when the title is the helper's own: it starts with the caption and the
// caption does not appear in it a second time. A window of another program
// that merely quotes the caption twice still counts as a target.
bool IsOwnTitle(std::wstring_view title, std::wstring_view caption = kInputCaption);

// The title cut to at most `limit` UTF-16 units, shortened by one more unit
// where the cut would part the two halves of a surrogate pair.
std::wstring CutTitle(std::wstring_view title, std::size_t limit = kMaxTitleLength);

// The folder and the file name with exactly one backslash between them: a
// drive root such as C:\ already ends with one.
std::wstring JoinFilePath(std::wstring_view folder, std::wstring_view name);

// What one tick of the foreground tracking decides. `Handle` is the window
// handle type (an integer in the unit tests).
template <typename Handle>
struct TargetChange {
  Handle target;
  std::wstring title;  // already cut for the target list
};

// Nothing changes while the helper itself is in front, nor while no window is
// in front at all (activation passing from one window to another): losing the
// target there would send the next sentence to whichever window has the focus.
template <typename Handle>
std::optional<TargetChange<Handle>> TrackForeground(Handle foreground, std::wstring_view title) {
  if (foreground == Handle{}) return std::nullopt;
  std::wstring cut = CutTitle(title);
  if (IsOwnTitle(cut)) return std::nullopt;
  return TargetChange<Handle>{foreground, std::move(cut)};
}

struct TwipsRect {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// The controls that follow the window's size, in twips of the client area.
struct ResizableLayout {
  TwipsRect list1{3045, 60, 9060, 7980};
  TwipsRect file1{210, 2640, 2535, 5490};
  TwipsRect frame1{360, 8355, 11760, 600};
  friend bool operator==(const ResizableLayout&, const ResizableLayout&) = default;
};

// The layout for a window whose outer size is the given twips. A width or
// height that would become negative leaves that control's size as it was;
// the bottom bar's top edge always follows the window.
ResizableLayout Resize(const ResizableLayout& current, int outerWidth, int outerHeight);

}  // namespace velmora::input
