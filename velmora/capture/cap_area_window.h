#pragma once
// The area picker (capture mode 2): a borderless, top-most window covering
// every monitor (maximised where there is one) with a picture of the screen
// frozen just before the window appears. The
// user drags a rectangle over that picture; on release the rectangle is put
// on the clipboard and saved, and the picker closes. Left alone without
// mouse movement it closes itself on the eleventh tick of a one-second clock.

#include <string>
#include <vector>

#include "ui/handles.h"
#include "ui/system.h"
#include "ui/window.h"
#include "velmora/capture/cap_area_model.h"
#include "velmora/capture/capture_picture.h"
#include "velmora/capture/foreground_keeper.h"
#include "velmora/capture/save_report.h"

namespace capture {

class CapAreaWindow : public ui::Window {
 public:
  CapAreaWindow() = default;
  ~CapAreaWindow() override;

  // Freezes the screen, then shows the picker over it, maximised. Showing
  // a picker that is already open only brings it forward. As it closes,
  // `workedIn` (null: the foreground window now) is in front again.
  bool Open(HWND workedIn = nullptr);

  // What the last pick produced, for whoever wants to know where it went.
  const Picture& Background() const { return background_; }
  const SaveResult& LastSave() const { return lastSave_; }
  bool CopiedToClipboard() const { return copied_; }
  const PickerModel& Model() const { return model_; }
  HWND txtPos() const { return txtPos_; }
  // The selection frame as last drawn, in picture pixels; null when none.
  const FrameCorners* Frame() const { return framed_ ? &frame_ : nullptr; }

  static constexpr UINT_PTR kIdleTimerId = 1;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCreate() override;
  void OnTimer(UINT_PTR id) override;
  void OnDestroy() override;

  void Paint();
  void OnPress(LPARAM lParam);
  void OnMove(WPARAM wParam, LPARAM lParam);
  void OnRelease(LPARAM lParam);
  void TakePick(const PickRect& rect);
  void Close();
  void RedrawFrameEdges(const FrameCorners& frame) const;
  PickPoint PicturePoint(LPARAM lParam) const;
  // Where the client area's top-left corner lies in the frozen picture.
  POINT ClientInPicture() const;
  void PlacePrompt(UINT dpi);
  void MakePromptFont(UINT dpi);
  void KeepCovering();

  PickerModel model_;
  Picture background_;
  std::vector<screen::Monitor> monitors_;
  screen::ScreenRect covered_;  // the virtual screen the picture holds
  bool maximised_ = false;
  SaveResult lastSave_;
  bool copied_ = false;
  HWND txtPos_ = nullptr;
  ui::Brush promptBrush_;
  ui::Font promptFont_;
  ui::Timer timer1_;
  ForegroundKeeper keeper_;
  FrameCorners frame_;
  bool framed_ = false;
};

// The menu's capture command 2: the one shared picker, made on first use and
// opened again each time; it keeps its idle count between openings.
CapAreaWindow* ShowSharedAreaPicker(HWND workedIn = nullptr);
// Ctrl+Alt+C: a new picker at every press; it lives until it closes itself.
CapAreaWindow* OpenNewAreaPicker(HWND workedIn = nullptr);
// Pickers made by OpenNewAreaPicker whose windows are still open.
std::size_t OpenAreaPickerCount();

}  // namespace capture
