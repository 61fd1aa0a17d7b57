#include "velmora/capture/bmp_file.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "velmora/capture/bmp_format.h"

namespace capture {
namespace {

// Headers, colour table and pixels of the whole file, with room for the
// pixels at 32 bits before they are packed.
struct FileBuffer {
  std::unique_ptr<std::byte[]> bytes;
  std::size_t size = 0;
};

FileBuffer MakeBuffer(const BmpPlan& plan) {
  std::size_t size = plan.fileBytes;
  if (plan.bitsPerPixel == 24) size = std::max(size, plan.pixelOffset + std::size_t{4} * plan.width * plan.height);
  // Not zeroed, for speed: the pixel rows are written whole below, and the
  // colour table is cleared here in case the system leaves some of it.
  FileBuffer buffer{std::make_unique_for_overwrite<std::byte[]>(size), size};
  std::memset(buffer.bytes.get(), 0, plan.pixelOffset);
  return buffer;
}

// The rows at 32 bits, packed to 24 in place.
bool TakePackedRows(HDC dc, const Picture& picture, const BmpPlan& plan, std::byte* pixels) {
  BITMAPINFO deep{};
  deep.bmiHeader.biSize = sizeof deep.bmiHeader;
  deep.bmiHeader.biWidth = plan.width;
  deep.bmiHeader.biHeight = plan.height;  // bottom-up, as in the file
  deep.bmiHeader.biPlanes = 1;
  deep.bmiHeader.biBitCount = 32;
  deep.bmiHeader.biCompression = BI_RGB;
  const auto rows = static_cast<UINT>(plan.height);
  if (GetDIBits(dc, picture.Bitmap(), 0, rows, pixels, &deep, DIB_RGB_COLORS) != plan.height) return false;
  PackRows32To24({pixels, std::size_t{4} * plan.width * plan.height}, plan.width, rows);
  return true;
}

// Palette depths: the system fills the colour table and the rows in place.
bool TakePaletteRows(HDC dc, const Picture& picture, const BmpPlan& plan, std::byte* file) {
  std::memset(file + plan.pixelOffset, 0, plan.imageBytes);  // row padding
  auto* header = reinterpret_cast<BITMAPINFO*>(file + kBmpFileHeaderBytes);
  const PaletteSelection realized(dc, picture.Palette());
  return GetDIBits(dc, picture.Bitmap(), 0, static_cast<UINT>(plan.height), file + plan.pixelOffset, header,
                   DIB_RGB_COLORS) == plan.height;
}

}  // namespace

DWORD WriteBmpFile(const Picture& picture, const std::wstring& path) {
  BITMAP info{};
  if (!picture || !GetObjectW(picture.Bitmap(), sizeof info, &info)) return ERROR_INVALID_HANDLE;
  const auto plan = PlanBmp(info.bmWidth, info.bmHeight, FileBitsPerPixel(info.bmBitsPixel));
  if (!plan) return ERROR_ARITHMETIC_OVERFLOW;

  const FileBuffer buffer = MakeBuffer(*plan);
  std::byte* const file = buffer.bytes.get();
  const std::span<std::byte> bytes(file, plan->fileBytes);
  WriteBmpHeaders(*plan, bytes);
  if (plan->height > 0 && plan->width > 0) {
    const ui::WindowDc screen(nullptr);
    const bool taken = plan->bitsPerPixel == 24 ? TakePackedRows(screen.get(), picture, *plan, file + plan->pixelOffset)
                                                : TakePaletteRows(screen.get(), picture, *plan, file);
    if (!taken) return ERROR_INVALID_DATA;
  }
  // GetDIBits may rewrite the header's size fields; the plan is what we wrote.
  WriteBmpHeaders(*plan, bytes);

  const ui::File out(
      CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out) return GetLastError();
  DWORD written = 0;
  if (WriteFile(out.get(), file, plan->fileBytes, &written, nullptr) && written == plan->fileBytes) return 0;
  const DWORD error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
  FILE_DISPOSITION_INFO remove{TRUE};
  SetFileInformationByHandle(out.get(), FileDispositionInfo, &remove, sizeof remove);
  return error;
}

}  // namespace capture
