#include "velmora/capture/capture_picture.h"

#include <dwmapi.h>
#include <versionhelpers.h>

#include <atomic>
#include <memory>
#include <utility>

#include "ui/os_functions.h"
#include "ui/system.h"
#include "ui/window.h"
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
screen::ScreenRect VisibleBounds(HWND window) {
  RECT r{};
  if (FAILED(DwmGetWindowAttribute(window, DWMWA_EXTENDED_FRAME_BOUNDS, &r, sizeof r))) return {};
  return ToScreenRect(r);
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, RECT*, LPARAM list) {
  MONITORINFO info{sizeof info};
  if (GetMonitorInfoW(monitor, &info)) {
    reinterpret_cast<std::vector<screen::Monitor>*>(list)->push_back(
        {ToScreenRect(info.rcMonitor), ToScreenRect(info.rcWork), ui::MonitorDpi(monitor)});
  }
  return TRUE;
}

// Paints the parts of a screen picture that no monitor shows black; the
// picture's top-left corner stands at `origin` on the screen.
void BlackOut(const Picture& picture, const std::vector<screen::ScreenRect>& parts, const screen::ScreenRect& origin) {
  if (parts.empty() || !picture) return;
  const ui::WindowDc screen(nullptr);
  const ui::MemoryDc memory(CreateCompatibleDC(screen.get()));
  if (!memory) return;
  const ui::SelectionGuard selected(memory.get(), picture.Bitmap());
  for (const screen::ScreenRect& r : parts) PatBlt(memory.get(), r.left - origin.left, r.top - origin.top, r.Width(), r.Height(), BLACKNESS);
}

// PrintWindow with PW_RENDERFULLCONTENT (Windows 8.1 and later) has the
// compositor render the window as it is, covered or not, on any monitor or
// none, with what the graphics card draws in it:
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-printwindow
// Without the flag (Windows 7) the window draws itself, and a window drawn
// by the graphics card (many CAD programs) comes out black; there the
// screen is read, this program's own windows standing aside.
constexpr UINT kRenderFullContent = 0x00000002;  // PW_RENDERFULLCONTENT, not in the Windows 7 headers
constexpr UINT kAnswerMilliseconds = 500;
// How long a window may take to draw its own picture before the screen is
// read instead; events keep flowing meanwhile.
constexpr double kLongestRenderSeconds = 1.0;

// A window that does not answer would only keep its picture from coming in
// time, so it must have answered a message just now.
// IsHungAppWindow: https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-ishungappwindow
bool CanRenderOwnPicture(HWND window) {
  if (!IsWindows8Point1OrGreater() || IsHungAppWindow(window)) return false;
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, kAnswerMilliseconds,
                             &ignored) != 0;
}

screen::DpiAwareness AwarenessOf(HWND window) {
  switch (ui::WindowDpiAwareness(window)) {
    case DPI_AWARENESS_UNAWARE: return screen::DpiAwareness::Unaware;
    case DPI_AWARENESS_SYSTEM_AWARE: return screen::DpiAwareness::System;
    case DPI_AWARENESS_PER_MONITOR_AWARE: return screen::DpiAwareness::PerMonitor;
    default: return screen::DpiAwareness::Unknown;
  }
}

screen::ShotTarget DescribeWindow(HWND window, const RECT& outer, bool ownPicture) {
  return {ToScreenRect(outer), VisibleBounds(window), IsIconic(window) != FALSE, IsZoomed(window) != FALSE, ownPicture,
          AwarenessOf(window), ui::OwnWindowDpi(window)};
}

Picture RenderWindow(HWND window, int width, int height) {
  const ui::WindowDc screen(nullptr);
  if (!screen) return {};
  ui::Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  const ui::MemoryDc memory(CreateCompatibleDC(screen.get()));
  if (!bitmap || !memory) return {};
  BOOL drawn = FALSE;
  {
    const ui::SelectionGuard selected(memory.get(), bitmap.get());
    drawn = PrintWindow(window, memory.get(), kRenderFullContent);
  }
  if (!drawn) return {};
  return Picture(std::move(bitmap), HasSystemPalette(screen.get()) ? CopySystemPalette(screen.get()) : ui::Palette());
}

struct Rendering {
  HWND window;
  int width, height;
  Picture picture;
};

// PrintWindow waits for the window's own thread ("a blocking or synchronous
// function"), so it runs here. The thread and the waiting side each hold
// the rendering; whichever lets go last frees it. A picture that comes too
// late is thus freed here, its handles never touched by the other side.
DWORD WINAPI RenderInto(void* share) {
  const std::unique_ptr<std::shared_ptr<Rendering>> mine(static_cast<std::shared_ptr<Rendering>*>(share));
  Rendering& r = **mine;
  r.picture = RenderWindow(r.window, r.width, r.height);
  return 0;
}

// The window's own picture, or an empty one when it could not be drawn in time.
Picture RenderWindowInTime(HWND window, int width, int height) {
  const auto rendering = std::make_shared<Rendering>(Rendering{window, width, height, {}});
  auto share = std::make_unique<std::shared_ptr<Rendering>>(rendering);
  const ui::KernelHandle thread(CreateThread(nullptr, 0, RenderInto, share.get(), 0, nullptr));
  if (!thread) return {};
  share.release();  // the thread's from here on
  if (!ui::DelayUntil(thread.get(), kLongestRenderSeconds)) return {};
  return std::move(rendering->picture);
}

// Velmora's own windows over a part of the screen leave a read of it for
// the read's length. From Windows 10 2004 the compositor leaves such a
// window out of screen reads while still showing it (WDA_EXCLUDEFROMCAPTURE);
// before that it is hidden for the instant and shown again, unactivated.
// SetWindowDisplayAffinity: https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-setwindowdisplayaffinity
class OwnWindowsAside {
 public:
  OwnWindowsAside(HWND target, const screen::ScreenRect& read) : target_(target), read_(read) {
    EnumWindows(Consider, reinterpret_cast<LPARAM>(this));
    if (excluded_.empty() && hidden_.empty()) return;
    ui::WaitForCompositor();  // the next frame leaves them out
    ui::Delay(0);             // windows of this thread under them paint what they uncovered
  }
  OwnWindowsAside(const OwnWindowsAside&) = delete;
  OwnWindowsAside& operator=(const OwnWindowsAside&) = delete;
  ~OwnWindowsAside() {
    for (const HWND w : excluded_) SetWindowDisplayAffinity(w, WDA_NONE);
    for (const HWND w : hidden_) ShowWindow(w, SW_SHOWNA);
  }

 private:
  static BOOL CALLBACK Consider(HWND window, LPARAM self) {
    reinterpret_cast<OwnWindowsAside*>(self)->StandAside(window);
    return TRUE;
  }
  void StandAside(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    RECT r{};
    if (window == target_ || process != GetCurrentProcessId() || !IsWindowVisible(window) ||
        !GetWindowRect(window, &r) || screen::Intersection(ToScreenRect(r), read_).Empty()) {
      return;
    }
    if (SetWindowDisplayAffinity(window, kExcludeFromCapture)) {
      excluded_.push_back(window);
    } else {
      ShowWindow(window, SW_HIDE);
      hidden_.push_back(window);
    }
  }
  static constexpr DWORD kExcludeFromCapture = 0x00000011;  // WDA_EXCLUDEFROMCAPTURE, Windows 10 2004

  HWND target_;
  screen::ScreenRect read_;
  std::vector<HWND> excluded_, hidden_;
};

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

Picture::~Picture() {
  // Counted until the handles are gone, whichever thread frees them.
  bitmap_.reset();
  palette_.reset();
  Held() -= bytes_;
}

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

screen::ScreenRect ToScreenRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Monitor rectangles are in physical pixels for a per-monitor aware thread:
// https://learn.microsoft.com/windows/win32/gdi/the-virtual-screen
std::vector<screen::Monitor> DisplayMonitors() {
  const PhysicalPixelsScope physical;
  std::vector<screen::Monitor> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  if (monitors.empty()) {  // the primary screen, as the system metrics give it
    const screen::ScreenRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    monitors.push_back({screen, screen, ui::SystemDpi()});
  }
  return monitors;
}

Picture CaptureScreen() { return CaptureScreen(DisplayMonitors()); }

// The screen's DC (GetDC of no window) spans the virtual screen in screen
// coordinates, so monitors left of or above the primary are read at
// negative ones: https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getdc
Picture CaptureScreen(const std::vector<screen::Monitor>& monitors) {
  const PhysicalPixelsScope physical;
  const screen::ScreenRect all = screen::VirtualScreen(monitors);
  Picture picture = CaptureWindow(nullptr, true, all.left, all.top, all.Width(), all.Height());
  BlackOut(picture, screen::UncoveredParts(monitors), all);
  return picture;
}

namespace {

DWORD WINAPI CaptureScreenInto(void* picture) {
  *static_cast<Picture*>(picture) = CaptureScreen();
  return 0;
}

}  // namespace

ScreenReading::ScreenReading() : thread_(CreateThread(nullptr, 0, CaptureScreenInto, &picture_, 0, nullptr)) {
  if (!thread_) picture_ = CaptureScreen();
}

ScreenReading::~ScreenReading() {
  if (thread_) WaitForSingleObject(thread_.get(), INFINITE);
}

Picture ScreenReading::Take() {
  if (thread_) {
    WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
  }
  return std::move(picture_);
}

Picture CaptureScreenApart() { return ScreenReading().Take(); }

Picture CaptureActiveWindow() {
  const HWND foreground = GetForegroundWindow();
  if (!foreground) return {};
  return CaptureWholeWindow(foreground, CanRenderOwnPicture(foreground));
}

Picture CaptureWholeWindow(HWND window, bool ownPicture) {
  const PhysicalPixelsScope physical;
  RECT outer{};
  if (!GetWindowRect(window, &outer)) return {};
  const std::vector<screen::Monitor> monitors = DisplayMonitors();
  screen::ShotTarget target = DescribeWindow(window, outer, ownPicture);
  screen::WindowShot shot = screen::ShotOfWindow(target, monitors, ui::SystemDpi());
  if (shot.source == screen::WindowShot::Source::Window) {
    Picture whole = RenderWindowInTime(window, outer.right - outer.left, outer.bottom - outer.top);
    const screen::ScreenRect& r = shot.rect;
    if (whole && r.left == 0 && r.top == 0 && r.right == whole.Width() && r.bottom == whole.Height()) return whole;
    if (whole) return CropPicture(whole, r.left, r.top, r.Width(), r.Height());
    // Not drawn, or not in time: what the screen shows of it.
    target.rendersOwnPicture = false;
    shot = screen::ShotOfWindow(target, monitors, ui::SystemDpi());
  }
  if (shot.source != screen::WindowShot::Source::Screen) return {};
  const OwnWindowsAside aside(window, shot.rect);
  return CaptureWindow(nullptr, true, shot.rect.left, shot.rect.top, shot.rect.Width(), shot.rect.Height());
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
