#include "velmora/capture/full_screen_capture.h"

#include <memory>

#include "velmora/capture/open_windows.h"
#include "velmora/capture/save_notice_window.h"

namespace capture {
namespace {

OpenWindows<ViewerWindow>& Viewers() {
  static OpenWindows<ViewerWindow> viewers;
  return viewers;
}

}  // namespace

ViewerWindow* RunFullScreenCapture(HWND workedIn) {
  static ViewerWindow shared;  // made on first use, never shown, kept until the program ends
  // One read of the screen per command, on a thread of its own while both
  // windows are made: hidden, neither is in the picture. The new viewer
  // shows the very picture the shared one holds.
  ScreenReading reading;
  shared.Load();
  MarkHiddenHelper(shared.Handle());
  auto viewer = std::make_unique<ViewerWindow>();
  viewer->Load();
  shared.SetPicture(std::make_shared<const Picture>(reading.Take()));
  if (!shared.Image()) {
    ShowCaptureFailedNotice();
    return nullptr;
  }
  viewer->SetPicture(shared.SharedImage());
  viewer->ReturnTo(workedIn);
  viewer->Show(SW_SHOWNORMAL);
  return Viewers().Add(std::move(viewer));
}

std::size_t OpenViewerCount() { return Viewers().Count(); }

}  // namespace capture
