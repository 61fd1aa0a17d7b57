#include "velmora/capture/cap_area_crop.h"

namespace capture {
namespace {

ui::Palette CopyPaletteOf(HPALETTE source) {
  if (!source) return {};
  struct {
    LOGPALETTE header;
    PALETTEENTRY more[255];
  } palette{};
  palette.header.palVersion = 0x300;
  palette.header.palNumEntries = static_cast<WORD>(GetPaletteEntries(source, 0, 256, palette.header.palPalEntry));
  return ui::Palette(CreatePalette(&palette.header));
}

}  // namespace

Picture CropPicture(const Picture& source, int left, int top, int width, int height) {
  const ui::WindowDc screen(nullptr);
  if (!screen) return {};
  ui::Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  const ui::MemoryDc from(CreateCompatibleDC(screen.get()));
  const ui::MemoryDc to(CreateCompatibleDC(screen.get()));
  if (!bitmap || !from || !to) return {};
  {
    const ui::SelectionGuard target(to.get(), bitmap.get());
    PatBlt(to.get(), 0, 0, width, height, BLACKNESS);
    if (source) {
      const ui::SelectionGuard origin(from.get(), source.Bitmap());
      BitBlt(to.get(), 0, 0, width, height, from.get(), left, top, SRCCOPY);
    }
  }  // both bitmaps leave their DCs before the DCs are deleted
  return Picture(std::move(bitmap), CopyPaletteOf(source.Palette()));
}

}  // namespace capture
