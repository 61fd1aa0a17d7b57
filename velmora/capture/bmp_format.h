#pragma once
// The layout of a Windows bitmap file as written for a capture: file header,
// BITMAPINFOHEADER, colour table (palette depths only), bottom-up rows each
// padded to a multiple of four bytes. The whole file is planned up front, so
// its size is known before any pixel is taken.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace capture {

inline constexpr std::uint32_t kBmpFileHeaderBytes = 14;
inline constexpr std::uint32_t kBmpInfoHeaderBytes = 40;

struct BmpPlan {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t bitsPerPixel = 0;
  std::uint32_t rowBytes = 0;      // one padded row
  std::uint32_t colorEntries = 0;  // 4 bytes each, after the info header
  std::uint32_t pixelOffset = 0;   // from the start of the file
  std::uint32_t imageBytes = 0;    // all rows
  std::uint32_t fileBytes = 0;
};

// The depth a bitmap of the screen's depth is written at: palette depths
// keep theirs with a colour table, deeper ones are written as 24-bit RGB,
// which every reader understands.
std::uint16_t FileBitsPerPixel(int screenBitsPerPixel);

// Bytes of one row of `width` pixels, padded to four bytes; 0 when too large.
std::uint32_t BmpRowBytes(std::int64_t width, int bitsPerPixel);

// Plans a file; nothing when the size is negative, the depth is not one a
// BMP file can hold, or the file would pass 4 GB. An empty picture gives a
// valid file with no pixel rows.
std::optional<BmpPlan> PlanBmp(std::int64_t width, std::int64_t height, int bitsPerPixel);

// Writes the file header and the info header (54 bytes) at the start of
// `out`, which must hold at least that much. The colour table and pixels are
// left for the caller.
void WriteBmpHeaders(const BmpPlan& plan, std::span<std::byte> out);

// Packs `height` rows of `width` 32-bit pixels (blue, green, red, unused),
// stored one after another from the start of `pixels`, into 24-bit rows
// padded with zeros to four bytes, in place: the packed rows start where the
// 32-bit ones did. Taking deep pixels at 32 bits and packing them here is one
// pass, where asking the system for 24 bits costs a slow conversion.
void PackRows32To24(std::span<std::byte> pixels, std::uint32_t width, std::uint32_t height);

}  // namespace capture
