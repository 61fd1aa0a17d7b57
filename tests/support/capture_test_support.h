#pragma once
// Helpers shared by the capture tests: independent reads of pixels, windows to capture, files read back, waits
// that keep events flowing, leak loops.

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/handle_counts.h"
#include "ui/window.h"

namespace capture_test {

// Width and height (or any two coordinates), compared as one.
using Size = std::pair<long, long>;

// Pixels as 0x00RRGGBB, top row first: of a bitmap, and of the screen from its own BitBlt, not ours, or once the
// screen has settled (two reads in a row agree while events are dispatched: Wine paints the screen lazily).
std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, int width, int height);
std::vector<std::uint32_t> ScreenPixels(int left, int top, int width, int height);
std::vector<std::uint32_t> SettledScreenPixels(int left, int top, int width, int height);

// A 32-bit bitmap in which every pixel differs from its neighbours, so a shifted copy shows.
HBITMAP PatternBitmap(int width, int height);

// The size of a bitmap file as the system's own reader sees it, then the file is deleted; (0, 0) when it does not read.
Size BmpFileSizeThenDelete(const std::wstring& path);
void PumpMessages();

// Waits, dispatching events, until the condition holds or a generous deadline passes.
template <typename Condition>
bool WaitFor(Condition condition) {
  const ULONGLONG deadline = GetTickCount64() + 30000;
  while (!condition() && GetTickCount64() < deadline) ui::Delay(0.02);
  return condition();
}

// Runs a round of work once to make what lives as long as the program, then many times more: whether the
// process's GDI and USER object counts end where they stood after the first.
template <typename Round>
bool NoHandlesLeft(Round round, int rounds = 40) {
  round();
  const Size before(testsupport::GdiObjectCount(), testsupport::UserObjectCount());
  while (rounds-- > 0) round();
  return Size(testsupport::GdiObjectCount(), testsupport::UserObjectCount()) == before;
}

// A window brought to the front and waited for on the screen, its client area one colour or, with CLR_INVALID,
// the pattern.
class TestWindow {
 public:
  TestWindow(COLORREF color, RECT outer, DWORD style = WS_OVERLAPPED | WS_CAPTION);
  ~TestWindow();
  HWND Handle() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace capture_test

