#pragma once
// The one routine every capture mode saves through. The capture's own name
// in the root of drive C: is tried first; a standard user often may not
// create files there, so the same file name then goes into the user's
// Pictures folder, and where that is refused too (Controlled Folder Access
// keeps unsigned programs out of it) into a folder of Velmora's own under the
// user's local application data, which is the user's alone and which that
// protection does not cover. Whichever place took the last capture is tried
// first for the rest of the session. The result names the file actually written, or
// says why nothing could be written, so no capture is reported as saved that
// is not.

#include <string>

#include "velmora/capture/capture_picture.h"
#include "velmora/capture/save_report.h"

namespace capture {

// Tries the places in the order `places` gives and tells it which one took
// the file; by default the places of this session.
SaveResult SaveCapture(const Picture& picture, const std::wstring& fileName, SavePlaces& places);
SaveResult SaveCapture(const Picture& picture, const std::wstring& fileName);

// The user's Pictures folder (created when missing); empty when the system
// has none.
std::wstring PicturesFolder();

// "<local application data>\Velmora\抓屏" (created when missing); empty when
// the system has no such folder or it cannot be made.
std::wstring LocalCapturesFolder();

}  // namespace capture
