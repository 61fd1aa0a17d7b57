#pragma once
// The stopwatch's only window.

#include "calculators/stopwatch/stopwatch_model.h"
#include "ui/controls.h"
#include "ui/system.h"
#include "ui/window.h"

namespace stopwatch {

class StopwatchWindow : public ui::Window {
 public:
  StopwatchWindow();
  bool Open();

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  void OnDpiChanged(UINT dpi) override { controls_.Relayout(dpi); }
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ShowTime() const;

  StopwatchModel model_;
  ui::ControlSet controls_;
  ui::Timer timer1_;
};

}  // namespace stopwatch
