#pragma once
// A rectangle cut out of a picture that is already held in memory, such as
// the area picker's frozen screen. Copying from the picture rather than from
// a window on screen keeps whatever is drawn over it (the size read-out, the
// selection frame) out of the result.

#include "velmora/capture/capture_picture.h"

namespace capture {

// width x height pixels of `source` from (left, top), in the source's own
// format and with a copy of its palette; parts outside the source are black.
// An empty size gives the same degenerate picture as an empty capture.
Picture CropPicture(const Picture& source, int left, int top, int width, int height);

}  // namespace capture
