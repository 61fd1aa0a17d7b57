#pragma once
// Screen pixels turned into pictures. A picture owns its bitmap (in the
// screen's own format) and, on 256-colour palette displays only, a copy of
// the system palette; both are freed when the picture goes away. Pictures
// move but do not copy, so there is always exactly one owner.

#include <windows.h>

#include <string>

#include "ui/handles.h"
#include "velmora/capture/capture_file_name.h"

namespace capture {

class Picture {
 public:
  Picture() = default;
  Picture(ui::Bitmap bitmap, ui::Palette palette);

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
};

// Takes ownership of both handles (hPal may be null).
Picture CreateBitmapPicture(HBITMAP hBmp, HPALETTE hPal);

// WidthSrc x HeightSrc pixels of a window from (LeftSrc, TopSrc), of its
// client area or, with client false, of the whole window including frame.
// The desktop window gives the screen. One block transfer, no conversion.
// A failed step yields an empty picture, never a crash.
Picture CaptureWindow(HWND hWndSrc, bool client, int leftSrc, int topSrc, int widthSrc, int heightSrc);

// The whole primary screen at its physical resolution.
Picture CaptureScreen();

// The foreground window with its frame and title bar; an empty picture when
// there is none.
Picture CaptureActiveWindow();

// The capture file name for the present local time.
std::wstring CaptureFileName(TimeLayout layout);

// Writes a picture as a Windows bitmap file, overwriting one of the same
// name. Returns 0 or the system's error code; a half-written file is removed.
DWORD WriteBmpFile(const Picture& picture, const std::wstring& path);

// Empties the clipboard and puts a copy of the picture on it as a bitmap
// (and its palette, when it has one). The picture keeps its own handles.
bool CopyPictureToClipboard(HWND owner, const Picture& picture);

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
