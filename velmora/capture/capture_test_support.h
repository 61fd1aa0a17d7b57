#pragma once
// Helpers shared by the capture tests: independent reads of pixels, test
// windows of one colour, files read back whole.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace capture_test {

// The pixels of a bitmap as 0x00RRGGBB, top row first.
std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, int width, int height);

// The pixels of the screen rectangle from its own BitBlt, not ours.
std::vector<std::uint32_t> ScreenPixels(int left, int top, int width, int height);

// A screen-format bitmap whose pixel (x, y) is PatternColor(x, y).
HBITMAP PatternBitmap(int width, int height);
COLORREF PatternColor(int x, int y);

std::vector<std::byte> ReadWholeFile(const std::wstring& path);
bool FileExists(const std::wstring& path);

// Runs the thread's pending window events.
void PumpMessages();

// A top-most window with a caption whose client area is one colour.
class SolidWindow {
 public:
  SolidWindow(COLORREF color, int x, int y, int width, int height);
  ~SolidWindow();
  HWND Handle() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace capture_test
