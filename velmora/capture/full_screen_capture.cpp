#include "velmora/capture/full_screen_capture.h"

#include <memory>
#include <vector>

namespace capture {
namespace {

std::vector<std::unique_ptr<ViewerWindow>>& OpenViewers() {
  static std::vector<std::unique_ptr<ViewerWindow>> viewers;
  return viewers;
}

// Closed viewers keep only an empty object; they are dropped at the next
// activation rather than from inside their own window procedure.
void DropClosedViewers() {
  std::erase_if(OpenViewers(), [](const std::unique_ptr<ViewerWindow>& v) { return !v->Exists(); });
}

ViewerWindow& SharedViewer() {
  static ViewerWindow shared;
  return shared;
}

}  // namespace

ViewerWindow* RunFullScreenCapture() {
  DropClosedViewers();
  ViewerWindow& shared = SharedViewer();
  shared.cap();
  MarkHiddenHelper(shared.Handle());
  // One read of the screen per command: the new viewer holds a copy of the
  // picture just taken, when it was not yet on screen to be in it.
  auto viewer = std::make_unique<ViewerWindow>();
  const Picture& frozen = shared.Image();
  viewer->SetPicture(CropPicture(frozen, 0, 0, frozen.Width(), frozen.Height()));
  if (!viewer->Exists()) return nullptr;
  viewer->Show(SW_SHOWNORMAL);
  OpenViewers().push_back(std::move(viewer));
  return OpenViewers().back().get();
}

std::size_t OpenViewerCount() {
  DropClosedViewers();
  return OpenViewers().size();
}

}  // namespace capture
