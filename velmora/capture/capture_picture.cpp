#include "velmora/capture/capture_picture.h"

#include <memory>

#include "ui/os_functions.h"
#include "velmora/capture/bmp_format.h"

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
  PaletteStorage palette{};
  palette.header.palVersion = 0x300;
  palette.header.palNumEntries =
      static_cast<WORD>(GetPaletteEntries(source, 0, kPaletteEntries, palette.header.palPalEntry));
  return ui::Palette(CreatePalette(&palette.header));
}

// Selects a palette into a DC for a scope and puts the previous one back.
class PaletteSelection {
 public:
  PaletteSelection(HDC dc, HPALETTE palette) : dc_(dc) {
    if (palette) {
      previous_ = SelectPalette(dc, palette, FALSE);
      RealizePalette(dc);
    }
  }
  PaletteSelection(const PaletteSelection&) = delete;
  PaletteSelection& operator=(const PaletteSelection&) = delete;
  ~PaletteSelection() {
    if (previous_) SelectPalette(dc_, previous_, FALSE);
  }

 private:
  HDC dc_;
  HPALETTE previous_ = nullptr;
};

LocalTime Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace

Picture::Picture(ui::Bitmap bitmap, ui::Palette palette) : bitmap_(std::move(bitmap)), palette_(std::move(palette)) {
  BITMAP info{};
  if (bitmap_ && GetObjectW(bitmap_.get(), sizeof info, &info)) {
    width_ = info.bmWidth;
    height_ = info.bmHeight;
  }
}

Picture CreateBitmapPicture(HBITMAP hBmp, HPALETTE hPal) { return Picture(ui::Bitmap(hBmp), ui::Palette(hPal)); }

Picture CaptureWindow(HWND hWndSrc, bool client, int leftSrc, int topSrc, int widthSrc, int heightSrc) {
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

Picture CaptureActiveWindow() {
  const PhysicalPixelsScope physical;
  const HWND foreground = GetForegroundWindow();
  RECT r{};
  if (!foreground || !GetWindowRect(foreground, &r)) return {};
  return CaptureWindow(foreground, false, 0, 0, r.right - r.left, r.bottom - r.top);
}

std::wstring CaptureFileName(TimeLayout layout) { return CaptureFileName(Now(), layout); }

DWORD WriteBmpFile(const Picture& picture, const std::wstring& path) {
  BITMAP info{};
  if (!picture || !GetObjectW(picture.Bitmap(), sizeof info, &info)) return ERROR_INVALID_HANDLE;
  const auto plan = PlanBmp(info.bmWidth, info.bmHeight, FileBitsPerPixel(info.bmBitsPixel));
  if (!plan) return ERROR_ARITHMETIC_OVERFLOW;

  // Headers, colour table and pixels in one buffer: GetDIBits fills the
  // colour table and the rows in place, and one write sends it all.
  // Zero-filled, so the padding at the end of each row is zero in the file.
  const auto file = std::make_unique<std::byte[]>(plan->fileBytes);
  const std::span<std::byte> bytes(file.get(), plan->fileBytes);
  WriteBmpHeaders(*plan, bytes);
  auto* header = reinterpret_cast<BITMAPINFO*>(file.get() + kBmpFileHeaderBytes);
  if (plan->height > 0) {
    const ui::WindowDc screen(nullptr);
    const PaletteSelection realized(screen.get(), picture.Palette());
    const int rows = GetDIBits(screen.get(), picture.Bitmap(), 0, static_cast<UINT>(plan->height),
                               file.get() + plan->pixelOffset, header, DIB_RGB_COLORS);
    if (rows != plan->height) return ERROR_INVALID_DATA;
  }
  // GetDIBits may rewrite the header's size fields; the plan is what we wrote.
  WriteBmpHeaders(*plan, bytes);

  const ui::File out(CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out) return GetLastError();
  DWORD written = 0;
  if (WriteFile(out.get(), file.get(), plan->fileBytes, &written, nullptr) && written == plan->fileBytes) return 0;
  const DWORD error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
  FILE_DISPOSITION_INFO remove{TRUE};
  SetFileInformationByHandle(out.get(), FileDispositionInfo, &remove, sizeof remove);
  return error;
}

bool CopyPictureToClipboard(HWND owner, const Picture& picture) {
  // The clipboard takes ownership of what it is given, so it gets copies.
  ui::Bitmap copy(static_cast<HBITMAP>(CopyImage(picture.Bitmap(), IMAGE_BITMAP, 0, 0, 0)));
  if (!copy) return false;
  bool open = false;
  for (int attempt = 0; attempt < 10 && !open; ++attempt) {
    open = OpenClipboard(owner) != FALSE;
    if (!open) Sleep(10);  // another program may be reading it for a moment
  }
  if (!open) return false;
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_BITMAP, copy.get()) != nullptr;
  if (placed) copy.release();
  if (placed && picture.Palette()) {
    ui::Palette palette = CopyPalette(picture.Palette());
    if (palette && SetClipboardData(CF_PALETTE, palette.get())) palette.release();
  }
  CloseClipboard();
  return placed;
}

PhysicalPixelsScope::PhysicalPixelsScope()
    : previous_(ui::SetThreadDpiAwareness(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {}

PhysicalPixelsScope::~PhysicalPixelsScope() {
  if (previous_) ui::SetThreadDpiAwareness(previous_);
}

}  // namespace capture
