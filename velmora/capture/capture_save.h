#pragma once
// The one routine every capture mode saves through. The capture's own name
// in the root of drive C: is tried first; a standard user often may not
// create files there, so the same file name then goes into the user's
// Pictures folder. The result names the file actually written, or says why
// nothing could be written, so no capture is reported as saved that is not.

#include <string>

#include "velmora/capture/capture_picture.h"
#include "velmora/capture/save_report.h"

namespace capture {

SaveResult SaveCapture(const Picture& picture, const std::wstring& fileName);

// The user's Pictures folder (created when missing); empty when the system
// has none.
std::wstring PicturesFolder();

}  // namespace capture
