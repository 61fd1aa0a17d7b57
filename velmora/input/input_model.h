#pragma once
// The rules of the statement input window that need no window system: which
// foreground window becomes the target, how a title is cut for its list, how
// a sentence file's path is put together, and how the controls follow the
// window's size.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::input {

inline constexpr std::wstring_view kInputCaption = L"Tesmarin－－之语句输入助手";
inline constexpr std::wstring_view kSentenceFolder = L"语句\\";
inline constexpr std::wstring_view kSentencePattern = L"*.txt;*.inf";

// The target list shows the title as the system's code page gives it into a
// 128-byte buffer: at most 127 bytes of code page 936, so a Chinese title
// keeps about 63 characters.
inline constexpr std::size_t kMaxTitleBytes = 127;

// The bytes one character (one UTF-16 unit, or a surrogate pair) takes in
// code page 936. The window asks the system; the tests give a stand-in.
using CodePageLength = std::function<std::size_t(std::wstring_view character)>;

// True when the title is the helper's own: it starts with the caption and the
// caption does not appear in it a second time. A window of another program
// that merely quotes the caption twice still counts as a target.
bool IsOwnTitle(std::wstring_view title, std::wstring_view caption = kInputCaption);

// The longest start of the title whose characters take at most `limit`
// bytes in the code page. A character is kept whole or not at all; a
// surrogate pair is one character.
std::wstring CutTitle(std::wstring_view title, const CodePageLength& bytesOf, std::size_t limit = kMaxTitleBytes);

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
std::optional<TargetChange<Handle>> TrackForeground(Handle foreground, std::wstring_view title,
                                                    const CodePageLength& bytesOf) {
  if (foreground == Handle{}) return std::nullopt;
  std::wstring cut = CutTitle(title, bytesOf);
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
