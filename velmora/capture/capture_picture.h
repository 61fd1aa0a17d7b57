#pragma once
// Screen pixels turned into pictures. A picture owns its bitmap (in the
// screen's own format) and, on 256-colour palette displays only, a copy of
// the system palette; both are freed when the picture goes away. Pictures
// move but do not copy; where two windows show one capture they share it,
// read-only, and the last of them frees it.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/handles.h"
#include "velmora/capture/capture_file_name.h"
#include "velmora/screen/screen_geometry.h"

namespace capture {

class Picture {
 public:
  Picture() = default;
  Picture(ui::Bitmap bitmap, ui::Palette palette);
  Picture(Picture&& other) noexcept;
  Picture& operator=(Picture&& other) noexcept;
  ~Picture();

  // The bytes of pixels all pictures of the process hold now.
  static std::uint64_t HeldBytes();

  HBITMAP Bitmap() const { return bitmap_.get(); }
  HPALETTE Palette() const { return palette_.get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  explicit operator bool() const { return static_cast<bool>(bitmap_); }

 private:
  ui::Bitmap bitmap_;
  ui::Palette palette_;
  int width_ = 0;
  int height_ = 0;
  std::uint64_t bytes_ = 0;  // counted in HeldBytes while this picture holds them
};

// One picture held by several windows at once, never changed by any.
using SharedPicture = std::shared_ptr<const Picture>;

// Takes ownership of both handles (hPal may be null).
Picture CreateBitmapPicture(HBITMAP hBmp, HPALETTE hPal);

// WidthSrc x HeightSrc pixels of a window from (LeftSrc, TopSrc), of its
// client area or, with client false, of the whole window including frame.
// The desktop window gives the screen. One block transfer, no conversion.
// A failed step yields an empty picture, never a crash, and so does a
// picture that would not fit in the memory the process has left.
Picture CaptureWindow(HWND hWndSrc, bool client, int leftSrc, int topSrc, int widthSrc, int heightSrc);

// Every monitor with its work area and DPI, in physical pixels.
std::vector<screen::Monitor> DisplayMonitors();

screen::ScreenRect ToScreenRect(const RECT& r);

// The whole virtual screen, every monitor at its physical resolution: the
// picture's top-left corner is the virtual screen's, and what no monitor
// shows is black.
Picture CaptureScreen();
Picture CaptureScreen(const std::vector<screen::Monitor>& monitors);

// The whole screen read on a thread of its own, started when this is made,
// so that the caller can make its hidden windows while the pixels come. Under
// Wine each thread talks to the X server over a connection of its own, and
// a whole-screen read on a window thread's connection was measured to slow
// that thread's next window operations several-fold (a viewer's showing
// from 3 to 8 ms). On Windows the extra thread costs a fraction of a
// millisecond, and the window work runs on another core meanwhile. Where no
// thread can be started the screen is read at once, on the calling thread.
class ScreenReading {
 public:
  ScreenReading();
  ScreenReading(const ScreenReading&) = delete;
  ScreenReading& operator=(const ScreenReading&) = delete;
  ~ScreenReading();  // waits for the read

  // Waits for the read and hands over its picture; empty the second time.
  Picture Take();

 private:
  Picture picture_;
  ui::KernelHandle thread_;
};

// The same read, waited for at once.
Picture CaptureScreenApart();

// The foreground window with its frame and title bar, wherever it stands and
// whatever covers it; an empty picture when there is nothing to take (no
// foreground window, a minimised one, one on no monitor).
Picture CaptureActiveWindow();

// A window's own picture where the system draws it at its on-screen size
// within about a second, events flowing meanwhile; otherwise what the screen
// shows of it, with this program's own windows left out. `ownPicture` false
// always reads the screen.
Picture CaptureWholeWindow(HWND window, bool ownPicture);

// width x height pixels of a picture already in memory from (left, top), in
// its own format and with a copy of its palette; parts outside it are black.
// A cut from a held picture leaves out whatever is drawn over it on screen.
Picture CropPicture(const Picture& source, int left, int top, int width, int height);

// The capture file name for the present local time.
std::wstring CaptureFileName(TimeLayout layout);

// Empties the clipboard and puts a copy of the picture on it as a bitmap
// (and its palette, when it has one). The picture keeps its own handles.
bool CopyPictureToClipboard(HWND owner, const Picture& picture);

// Selects a palette (when there is one) into a DC and realizes it for a
// scope, then puts the previous one back.
class PaletteSelection {
 public:
  PaletteSelection(HDC dc, HPALETTE palette);
  PaletteSelection(const PaletteSelection&) = delete;
  PaletteSelection& operator=(const PaletteSelection&) = delete;
  ~PaletteSelection();

 private:
  HDC dc_;
  HPALETTE previous_ = nullptr;
};

// Runs a scope with the calling thread per-monitor DPI aware, so sizes and
// pixels are the display's physical ones whatever the caller's awareness.
class PhysicalPixelsScope {
 public:
  PhysicalPixelsScope();
  PhysicalPixelsScope(const PhysicalPixelsScope&) = delete;
  PhysicalPixelsScope& operator=(const PhysicalPixelsScope&) = delete;
  ~PhysicalPixelsScope();

 private:
  DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

}  // namespace capture
