#include "velmora/capture/capture_room.h"

#include <limits>

namespace capture {

bool RoomForCapture(const AddressSpace& space, std::int64_t width, std::int64_t height) {
  if (space.freeBytes < kCaptureReserveBytes) return false;
  if (width <= 0 || height <= 0) return true;
  // Divided rather than multiplied where a product of the largest bitmap's
  // sides could overflow 64 bits.
  const auto w = static_cast<std::uint64_t>(width), h = static_cast<std::uint64_t>(height);
  const std::uint64_t pixelsFree = (space.freeBytes - kCaptureReserveBytes) / 8;
  if (h > pixelsFree / w) return false;
  const std::uint64_t picture = 4 * w * h;  // at most half the free bytes: no overflow
  const std::uint64_t budget = space.totalBytes / 2;
  return space.heldBytes <= budget && picture <= budget - space.heldBytes;
}

}  // namespace capture
