#pragma once
// A picture written as a Windows bitmap file: 24-bit rows for deep screens,
// the screen's own depth with a colour table for palette ones.

#include <windows.h>

#include <string>

#include "velmora/capture/capture_picture.h"

namespace capture {

// Writes a picture as a Windows bitmap file, overwriting one of the same
// name. Returns 0 or the system's error code; a half-written file is removed.
DWORD WriteBmpFile(const Picture& picture, const std::wstring& path);

}  // namespace capture
