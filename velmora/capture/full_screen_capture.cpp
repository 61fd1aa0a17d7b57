#include "velmora/capture/full_screen_capture.h"

#include <memory>

#include "velmora/capture/open_windows.h"

namespace capture {
namespace {

OpenWindows<ViewerWindow>& Viewers() {
  static OpenWindows<ViewerWindow> viewers;
  return viewers;
}

}  // namespace

ViewerWindow* RunFullScreenCapture() {
  static ViewerWindow shared;  // made on first use, never shown, kept until the program ends
  shared.cap();
  MarkHiddenHelper(shared.Handle());
  // One read of the screen per command: the new viewer holds a copy of the
  // picture just taken, when it was not yet on screen to be in it.
  auto viewer = std::make_unique<ViewerWindow>();
  const Picture& frozen = shared.Image();
  viewer->SetPicture(CropPicture(frozen, 0, 0, frozen.Width(), frozen.Height()));
  viewer->Show(SW_SHOWNORMAL);
  return Viewers().Add(std::move(viewer));
}

std::size_t OpenViewerCount() { return Viewers().Count(); }

}  // namespace capture
