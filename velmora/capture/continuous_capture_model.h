#pragma once
// The continuous capture's rules: the shot interval read from its text box,
// the captions of the paused and running states, the running count shown as
// " 001" ... " 099", "100" ..., and where the control window sits.

#include <cstdint>
#include <string>
#include <string_view>

namespace capture {

// The longest interval the platform's timer accepts (USER_TIMER_MAXIMUM).
inline constexpr std::uint32_t kLongestTimerInterval = 0x7FFFFFFF;

// Whole seconds at the start of the text, in milliseconds: 2.9 gives 2000.
// Empty text, text without a leading number, zero and negative numbers all
// give 0 (no shots); longer intervals than the timer allows are cut to its
// longest.
std::uint32_t IntervalMilliseconds(std::wstring_view text);

// The count as the label shows it.
std::wstring ShotCountLabel(std::int64_t count);

struct WindowSpot {
  int left = 0, top = 0;
  bool operator==(const WindowSpot&) const = default;
};

// Against the right edge of the screen, 700 twips above its bottom; sizes
// in pixels of the given DPI.
WindowSpot ControlWindowSpot(int screenWidth, int screenHeight, int windowWidth, int windowHeight, unsigned dpi);

inline constexpr std::wstring_view kControlCaption = L"连续抓屏";
inline constexpr std::wstring_view kPausedCaption = L"连续抓屏...";
inline constexpr std::wstring_view kRunningCaption = L"抓屏中...";
inline constexpr std::wstring_view kStartText = L"开始";
inline constexpr std::wstring_view kPauseText = L"暂停";

// The control window's state. The count belongs to the object, not to one
// showing of the window: it survives pauses and closing and reopening.
class ContinuousCaptureModel {
 public:
  struct Look {
    std::wstring_view caption;
    std::wstring_view buttonText;
  };

  // The window is loaded (again): paused, the label back at " 000".
  void Load();
  // "开始" or "暂停" pressed; returns what the window then shows. After a
  // start, Interval() is the timer's period (0: no timer).
  Look Toggle(std::wstring_view intervalText);
  // One shot taken; returns the new label.
  std::wstring Shot();

  bool Running() const { return running_; }
  std::uint32_t Interval() const { return interval_; }
  std::int64_t ShotCount() const { return shotCount_; }
  const std::wstring& Label() const { return label_; }

 private:
  bool running_ = false;
  std::uint32_t interval_ = 0;
  std::int64_t shotCount_ = 0;
  std::wstring label_ = ShotCountLabel(0);
};

}  // namespace capture
