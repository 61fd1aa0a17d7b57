#pragma once
// One shot of a continuous capture: a window that is never shown captures
// the foreground window with its frame as soon as it is made, saves it, and
// closes itself a second later, letting go of the picture.

#include <cstddef>
#include <optional>
#include <string>

#include "ui/system.h"
#include "ui/window.h"
#include "velmora/capture/capture_picture.h"
#include "velmora/capture/save_report.h"

namespace capture {

class ShotWindow : public ui::Window {
 public:
  ShotWindow() = default;
  ~ShotWindow() override;

  // Loads the window hidden, captures the foreground window and saves it
  // under a "YYYYMMDD_HHMMSS" capture file name.
  void cap();

  const Picture& Image() const { return image1_; }
  const std::wstring& FileName() const { return fileName_; }
  const SaveResult& LastSave() const { return lastSave_; }

  static constexpr UINT_PTR kCloseTimerId = 1;

 private:
  bool Load();
  void OnTimer(UINT_PTR id) override;
  void OnDestroy() override;

  Picture image1_;
  std::wstring fileName_;
  SaveResult lastSave_;
  ui::Timer timer1_;
};

// Makes a new shot window and takes its shot; the window closes itself.
// Returns what was saved; nothing when there was no window to take (none in
// the foreground, or none on any monitor), so no file was written.
std::optional<SaveResult> TakeShot();
// Shot windows not yet closed by their own clock.
std::size_t OpenShotWindowCount();

}  // namespace capture
