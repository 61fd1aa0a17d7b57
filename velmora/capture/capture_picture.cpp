#include "velmora/capture/capture_picture.h"

#include <dwmapi.h>

#include <atomic>
#include <utility>

#include "ui/os_functions.h"
#include "ui/system.h"
#include "velmora/capture/capture_room.h"

namespace capture {
namespace {

constexpr int kPaletteEntries = 256;

// The system palette is copied only on palette displays of 256 colours.
bool HasSystemPalette(HDC dc) {
  return (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0 && GetDeviceCaps(dc, SIZEPALETTE) == kPaletteEntries;
}

// A LOGPALETTE of 256 entries: the header's one-entry array runs on into
// the rest of the storage.
struct PaletteStorage {
  LOGPALETTE header;
  PALETTEENTRY more[kPaletteEntries - 1];
};

ui::Palette CopySystemPalette(HDC dc) {
  PaletteStorage palette{};
  palette.header.palVersion = 0x300;
  palette.header.palNumEntries = kPaletteEntries;
  GetSystemPaletteEntries(dc, 0, kPaletteEntries, palette.header.palPalEntry);
  return ui::Palette(CreatePalette(&palette.header));
}

ui::Palette CopyPalette(HPALETTE source) {
  if (!source) return {};
  PaletteStorage palette{};
  palette.header.palVersion = 0x300;
  palette.header.palNumEntries =
      static_cast<WORD>(GetPaletteEntries(source, 0, kPaletteEntries, palette.header.palPalEntry));
  return ui::Palette(CreatePalette(&palette.header));
}

// The window's bounds as the user sees them. The compositor knows them
// without the invisible resize borders of a modern frame; where it answers
// nothing (no compositor, and always under Wine) the window rectangle holds.
RECT VisibleBounds(HWND window) {
  RECT r{};
  if (FAILED(DwmGetWindowAttribute(window, DWMWA_EXTENDED_FRAME_BOUNDS, &r, sizeof r))) GetWindowRect(window, &r);
  return r;
}

// The process's address space, and the pictures in it. Plenty when the
// system cannot say, so that a capture is never refused for want of an answer.
AddressSpace ThisProcess() {
  MEMORYSTATUSEX status{sizeof status};
  if (!GlobalMemoryStatusEx(&status)) return {~std::uint64_t{0}, ~std::uint64_t{0}, 0};
  return {status.ullTotalVirtual, status.ullAvailVirtual, Picture::HeldBytes()};
}

LocalTime Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace

namespace {

std::atomic<std::uint64_t>& Held() {
  static std::atomic<std::uint64_t> held{0};
  return held;
}

}  // namespace

Picture::Picture(ui::Bitmap bitmap, ui::Palette palette) : bitmap_(std::move(bitmap)), palette_(std::move(palette)) {
  BITMAP info{};
  if (bitmap_ && GetObjectW(bitmap_.get(), sizeof info, &info)) {
    width_ = info.bmWidth;
    height_ = info.bmHeight;
    bytes_ = std::uint64_t{static_cast<std::uint32_t>(info.bmWidthBytes)} * static_cast<std::uint32_t>(info.bmHeight);
    Held() += bytes_;
  }
}

Picture::Picture(Picture&& other) noexcept
    : bitmap_(std::move(other.bitmap_)),
      palette_(std::move(other.palette_)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      bytes_(std::exchange(other.bytes_, 0)) {}

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this != &other) {
    Held() -= bytes_;
    bitmap_ = std::move(other.bitmap_);
    palette_ = std::move(other.palette_);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    bytes_ = std::exchange(other.bytes_, 0);
  }
  return *this;
}

Picture::~Picture() { Held() -= bytes_; }

std::uint64_t Picture::HeldBytes() { return Held(); }

Picture CreateBitmapPicture(HBITMAP hBmp, HPALETTE hPal) { return Picture(ui::Bitmap(hBmp), ui::Palette(hPal)); }

Picture CaptureWindow(HWND hWndSrc, bool client, int leftSrc, int topSrc, int widthSrc, int heightSrc) {
  // Reading the screen with too little memory left can end the process (under
  // Wine the X connection gives up), so a capture that would not fit is
  // refused first, as an empty picture.
  if (!RoomForCapture(ThisProcess(), widthSrc, heightSrc)) return {};
  const ui::WindowDc source(hWndSrc, !client);
  if (!source) return {};
  ui::MemoryDc memory(CreateCompatibleDC(source.get()));
  ui::Bitmap bitmap(CreateCompatibleBitmap(source.get(), widthSrc, heightSrc));
  if (!memory || !bitmap) return {};
  ui::Palette palette = HasSystemPalette(source.get()) ? CopySystemPalette(source.get()) : ui::Palette();
  {
    const ui::SelectionGuard selected(memory.get(), bitmap.get());
    const PaletteSelection realized(memory.get(), palette.get());
    BitBlt(memory.get(), 0, 0, widthSrc, heightSrc, source.get(), leftSrc, topSrc, SRCCOPY);
  }  // the bitmap and palette leave the memory DC before it is deleted
  return Picture(std::move(bitmap), std::move(palette));
}

Picture CaptureScreen() {
  const PhysicalPixelsScope physical;
  return CaptureWindow(GetDesktopWindow(), false, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

namespace {

DWORD WINAPI CaptureScreenInto(void* picture) {
  *static_cast<Picture*>(picture) = CaptureScreen();
  return 0;
}

}  // namespace

Picture CaptureScreenApart() {
  Picture picture;
  const ui::KernelHandle thread(CreateThread(nullptr, 0, CaptureScreenInto, &picture, 0, nullptr));
  if (!thread) return CaptureScreen();
  WaitForSingleObject(thread.get(), INFINITE);
  return picture;
}

Picture CaptureActiveWindow() {
  const PhysicalPixelsScope physical;
  const HWND foreground = GetForegroundWindow();
  if (!foreground) return {};
  // Under a compositor the window's own DC lacks what the graphics card drew
  // (browsers, accelerated drawing areas): the shot comes from the screen.
  const RECT bounds = VisibleBounds(foreground);
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT shot{};
  IntersectRect(&shot, &bounds, &screen);
  return CaptureWindow(GetDesktopWindow(), false, shot.left, shot.top, shot.right - shot.left, shot.bottom - shot.top);
}

Picture CropPicture(const Picture& source, int left, int top, int width, int height) {
  const ui::WindowDc screen(nullptr);
  if (!screen) return {};
  ui::Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  const ui::MemoryDc from(CreateCompatibleDC(screen.get()));
  const ui::MemoryDc to(CreateCompatibleDC(screen.get()));
  if (!bitmap || !from || !to) return {};
  {
    const ui::SelectionGuard target(to.get(), bitmap.get());
    const bool inside = left >= 0 && top >= 0 && left + width <= source.Width() && top + height <= source.Height();
    if (!inside) PatBlt(to.get(), 0, 0, width, height, BLACKNESS);  // a whole copy needs no second pass
    if (source) {
      const ui::SelectionGuard origin(from.get(), source.Bitmap());
      BitBlt(to.get(), 0, 0, width, height, from.get(), left, top, SRCCOPY);
    }
  }  // both bitmaps leave their DCs before the DCs are deleted
  return Picture(std::move(bitmap), CopyPalette(source.Palette()));
}

std::wstring CaptureFileName(TimeLayout layout) { return CaptureFileName(Now(), layout); }

bool CopyPictureToClipboard(HWND owner, const Picture& picture) {
  // The clipboard takes ownership of what it is given, so it gets copies.
  return ui::SetClipboardBitmap(owner,
                                ui::Bitmap(static_cast<HBITMAP>(CopyImage(picture.Bitmap(), IMAGE_BITMAP, 0, 0, 0))),
                                CopyPalette(picture.Palette()));
}

PaletteSelection::PaletteSelection(HDC dc, HPALETTE palette) : dc_(dc) {
  if (palette) {
    previous_ = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
  }
}

PaletteSelection::~PaletteSelection() {
  if (previous_) SelectPalette(dc_, previous_, FALSE);
}

PhysicalPixelsScope::PhysicalPixelsScope()
    : previous_(ui::SetThreadDpiAwareness(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {}

PhysicalPixelsScope::~PhysicalPixelsScope() {
  if (previous_) ui::SetThreadDpiAwareness(previous_);
}

}  // namespace capture
