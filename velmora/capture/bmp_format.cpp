#include "velmora/capture/bmp_format.h"

#include <limits>

namespace capture {
namespace {

constexpr std::uint32_t kHeaderBytes = kBmpFileHeaderBytes + kBmpInfoHeaderBytes;

bool IsBmpDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

void Put16(std::span<std::byte> out, std::size_t at, std::uint32_t value) {
  out[at] = std::byte(value & 0xFF);
  out[at + 1] = std::byte((value >> 8) & 0xFF);
}

void Put32(std::span<std::byte> out, std::size_t at, std::uint32_t value) {
  Put16(out, at, value & 0xFFFF);
  Put16(out, at + 2, value >> 16);
}

}  // namespace

std::uint16_t FileBitsPerPixel(int screenBitsPerPixel) {
  return static_cast<std::uint16_t>(
      screenBitsPerPixel == 1 || screenBitsPerPixel == 4 || screenBitsPerPixel == 8 ? screenBitsPerPixel : 24);
}

std::uint32_t BmpRowBytes(std::int64_t width, int bitsPerPixel) {
  if (width < 0 || bitsPerPixel <= 0) return 0;
  const std::int64_t bytes = (width * bitsPerPixel + 31) / 32 * 4;
  return bytes > std::numeric_limits<std::uint32_t>::max() ? 0 : static_cast<std::uint32_t>(bytes);
}

std::optional<BmpPlan> PlanBmp(std::int64_t width, std::int64_t height, int bitsPerPixel) {
  constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
  if (width < 0 || height < 0 || width > kLimit || height > kLimit || !IsBmpDepth(bitsPerPixel)) return std::nullopt;
  BmpPlan plan;
  plan.width = static_cast<std::int32_t>(width);
  plan.height = static_cast<std::int32_t>(height);
  plan.bitsPerPixel = static_cast<std::uint16_t>(bitsPerPixel);
  plan.rowBytes = BmpRowBytes(width, bitsPerPixel);
  plan.colorEntries = bitsPerPixel <= 8 ? 1u << bitsPerPixel : 0;
  plan.pixelOffset = kHeaderBytes + plan.colorEntries * 4;
  const std::int64_t image = static_cast<std::int64_t>(plan.rowBytes) * height;
  const std::int64_t file = image + plan.pixelOffset;
  if ((width > 0 && plan.rowBytes == 0) || file > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  plan.imageBytes = static_cast<std::uint32_t>(image);
  plan.fileBytes = static_cast<std::uint32_t>(file);
  return plan;
}

void WriteBmpHeaders(const BmpPlan& plan, std::span<std::byte> out) {
  out[0] = std::byte{'B'};
  out[1] = std::byte{'M'};
  Put32(out, 2, plan.fileBytes);
  Put32(out, 6, 0);  // reserved
  Put32(out, 10, plan.pixelOffset);
  Put32(out, 14, kBmpInfoHeaderBytes);
  Put32(out, 18, static_cast<std::uint32_t>(plan.width));
  Put32(out, 22, static_cast<std::uint32_t>(plan.height));  // positive: rows bottom-up
  Put16(out, 26, 1);                                        // planes
  Put16(out, 28, plan.bitsPerPixel);
  Put32(out, 30, 0);  // BI_RGB, uncompressed
  Put32(out, 34, plan.imageBytes);
  Put32(out, 38, 3780);  // 96 DPI in pixels per metre
  Put32(out, 42, 3780);
  Put32(out, 46, plan.colorEntries);
  Put32(out, 50, 0);  // all colours important
}

void PackRows32To24(std::span<std::byte> pixels, std::uint32_t width, std::uint32_t height) {
  const std::size_t from = std::size_t{width} * 4, to = BmpRowBytes(width, 24);
  if (pixels.size() < from * height || pixels.size() < to * height) return;
  // Forward, row by row: a packed row never reaches the rows not yet read.
  std::byte* const base = pixels.data();
  for (std::size_t row = 0; row < height; ++row) {
    const std::byte* in = base + row * from;
    std::byte* out = base + row * to;
    for (std::uint32_t x = 0; x < width; ++x, in += 4, out += 3) {
      const std::byte b = in[0], g = in[1], r = in[2];
      out[0] = b;
      out[1] = g;
      out[2] = r;
    }
    for (std::byte* const end = base + (row + 1) * to; out < end; ++out) *out = std::byte{0};
  }
}

}  // namespace capture
