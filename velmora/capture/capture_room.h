#pragma once
// Whether a process has room for one more screen capture. A 32-bit process
// has 2 GB of address space (4 GB on 64-bit Windows), shared by everything
// it does, and every open viewer holds a whole picture: a capture that would
// not fit is refused before the screen is read, and the user is told, rather
// than the program running out of memory half way through reading the screen.

#include <cstdint>

namespace capture {

// Kept free for everything else the program does meanwhile: windows, menus,
// the band of rows of a file being written.
inline constexpr std::uint64_t kCaptureReserveBytes = std::uint64_t{64} << 20;

struct AddressSpace {
  std::uint64_t totalBytes = 0;  // the process's whole user address space
  std::uint64_t freeBytes = 0;   // what is left of it
  std::uint64_t heldBytes = 0;   // by the pictures the process holds now
};

// A capture of width x height pixels needs its picture at 4 bytes a pixel,
// as much again for the copy the screen's pixels come through, and the
// reserve, from what is free; and all pictures together, the new one
// included, stay within half the address space (the system's own libraries
// and buffers live in the rest, and not every byte it calls free can be had).
bool RoomForCapture(const AddressSpace& space, std::int64_t width, std::int64_t height);

}  // namespace capture
