#pragma once
// Continuous capture (capture mode 3): a small top-most control window with
// the interval in seconds, a start/pause button and the running count. Each
// tick of its clock hides it and the bar, has a new shot window capture the
// foreground window, counts the shot and shows both again.

#include <functional>

#include "ui/controls.h"
#include "ui/form_window.h"
#include "ui/handles.h"
#include "ui/system.h"
#include "velmora/capture/continuous_capture_model.h"
#include "velmora/capture/foreground_keeper.h"
#include "velmora/capture/save_report.h"

namespace capture {

// How a shot gets the bar out of the picture and back. Showing must only
// show a bar that exists: a bar closed by the user stays closed and is
// never made anew by a shot.
struct BarVisibility {
  std::function<void()> hide;
  std::function<void()> showIfExists;
};

class ContinuousCaptureWindow : public ui::FormWindow {
 public:
  ContinuousCaptureWindow() = default;
  ~ContinuousCaptureWindow() override;

  // Loads the window when it is not open (paused, " 000", at the right edge
  // of the screen, top-most) and shows it; an open one is brought forward.
  // Closed, it leaves `workedIn` (null: the foreground window now) in front.
  bool Open(HWND workedIn = nullptr);
  void SetBar(BarVisibility bar) { bar_ = std::move(bar); }

  const ContinuousCaptureModel& Model() const { return model_; }
  // What the last shot saved.
  const SaveResult& LastShot() const { return lastShot_; }
  HWND Control(int id) const { return controls_.Get(id); }

  enum : int { kLabel1 = 100, kTxtNum, kLabNum, kCmdStart, kCmdClose };
  static constexpr UINT_PTR kShotTimerId = 1;

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  void OnDestroy() override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void PlaceAtRightEdge();
  void StartOrPause();
  void Shoot();
  void Close();

  ContinuousCaptureModel model_;
  ui::Timer timer1_;
  ui::Brush countBrush_;
  BarVisibility bar_;
  SaveResult lastShot_;
  SaveNoticeGate noticeGate_;  // where this run's files go, told once
  bool shooting_ = false;
  ForegroundKeeper keeper_;
};

// The menu's capture command 3: the one shared control window, made on first
// use; its count lives as long as the program. `bar` replaces the hooks
// given before.
ContinuousCaptureWindow* ShowContinuousCapture(BarVisibility bar, HWND workedIn = nullptr);

}  // namespace capture
