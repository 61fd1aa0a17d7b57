#include "velmora/capture/bmp_file.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "velmora/capture/bmp_format.h"

namespace capture {
namespace {

// About this many bytes of 32-bit pixels are taken, packed and written at a
// time: small enough to stay in the processor's cache, large enough that
// the writes stay few.
constexpr std::size_t kBandBytes = std::size_t{1} << 20;

// The rows of a 24-bit file, a band at a time from the bottom row up, as the
// file stores them: taken at 32 bits and packed to 24 in place. No buffer
// the size of the whole picture is ever filled.
class PackedBands {
 public:
  PackedBands(HDC dc, const Picture& picture, const BmpPlan& plan)
      : dc_(dc),
        bitmap_(picture.Bitmap()),
        plan_(plan),
        rowsPerBand_(static_cast<std::uint32_t>(std::max<std::size_t>(1, kBandBytes / (std::size_t{4} * plan.width)))),
        pixels_(std::make_unique_for_overwrite<std::byte[]>(std::size_t{4} * plan.width * rowsPerBand_)) {}

  std::uint32_t RowsPerBand() const { return rowsPerBand_; }

  // The packed rows from row `first` (counted from the bottom); empty when
  // the system cannot give them.
  std::span<const std::byte> Band(std::uint32_t first) {
    const std::uint32_t rows = std::min(rowsPerBand_, static_cast<std::uint32_t>(plan_.height) - first);
    BITMAPINFO deep{};
    deep.bmiHeader.biSize = sizeof deep.bmiHeader;
    deep.bmiHeader.biWidth = plan_.width;
    deep.bmiHeader.biHeight = plan_.height;  // bottom-up, as in the file
    deep.bmiHeader.biPlanes = 1;
    deep.bmiHeader.biBitCount = 32;
    deep.bmiHeader.biCompression = BI_RGB;
    if (GetDIBits(dc_, bitmap_, first, rows, pixels_.get(), &deep, DIB_RGB_COLORS) != static_cast<int>(rows)) return {};
    PackRows32To24({pixels_.get(), std::size_t{4} * plan_.width * rows}, plan_.width, rows);
    return {pixels_.get(), std::size_t{plan_.rowBytes} * rows};
  }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  BmpPlan plan_;
  std::uint32_t rowsPerBand_;
  std::unique_ptr<std::byte[]> pixels_;
};

// Palette depths: the system fills the colour table and the rows in place.
bool TakePaletteRows(HDC dc, const Picture& picture, const BmpPlan& plan, std::byte* file) {
  auto* header = reinterpret_cast<BITMAPINFO*>(file + kBmpFileHeaderBytes);
  const PaletteSelection realized(dc, picture.Palette());
  return GetDIBits(dc, picture.Bitmap(), 0, static_cast<UINT>(plan.height), file + plan.pixelOffset, header,
                   DIB_RGB_COLORS) == plan.height;
}

DWORD Write(HANDLE file, std::span<const std::byte> bytes) {
  DWORD written = 0;
  if (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size()) {
    return 0;
  }
  return GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
}

}  // namespace

DWORD WriteBmpFile(const Picture& picture, const std::wstring& path) {
  BITMAP info{};
  if (!picture || !GetObjectW(picture.Bitmap(), sizeof info, &info)) return ERROR_INVALID_HANDLE;
  const auto plan = PlanBmp(info.bmWidth, info.bmHeight, FileBitsPerPixel(info.bmBitsPixel));
  if (!plan) return ERROR_ARITHMETIC_OVERFLOW;
  const bool hasRows = plan->height > 0 && plan->width > 0;
  const bool deep = plan->bitsPerPixel == 24;

  // The headers and, at palette depths, the colour table and the rows, zeroed
  // for the rows' padding.
  std::vector<std::byte> head(deep ? plan->pixelOffset : plan->fileBytes);
  WriteBmpHeaders(*plan, head);
  const ui::WindowDc screen(nullptr);
  if (!deep && hasRows && !TakePaletteRows(screen.get(), picture, *plan, head.data())) return ERROR_INVALID_DATA;
  // GetDIBits may rewrite the header's size fields; the plan is what we wrote.
  WriteBmpHeaders(*plan, head);
  // The first band is taken before the file is made, so a picture the system
  // cannot read neither leaves a file behind nor overwrites one.
  std::optional<PackedBands> bands;
  std::span<const std::byte> band;
  if (deep && hasRows) {
    bands.emplace(screen.get(), picture, *plan);
    band = bands->Band(0);
    if (band.empty()) return ERROR_INVALID_DATA;
  }

  const ui::File out(
      CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out) return GetLastError();
  DWORD error = Write(out.get(), head);
  const auto height = static_cast<std::uint32_t>(plan->height);
  for (std::uint32_t first = 0; bands && !error && first < height; first += bands->RowsPerBand()) {
    if (first > 0) band = bands->Band(first);
    error = band.empty() ? ERROR_INVALID_DATA : Write(out.get(), band);
  }
  if (!error) return 0;
  FILE_DISPOSITION_INFO remove{TRUE};
  SetFileInformationByHandle(out.get(), FileDispositionInfo, &remove, sizeof remove);
  return error;
}

}  // namespace capture
