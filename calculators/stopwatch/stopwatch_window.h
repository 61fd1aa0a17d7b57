#pragma once
// The stopwatch's only window.

#include "calculators/stopwatch/stopwatch_model.h"
#include "ui/form_window.h"
#include "ui/system.h"

namespace stopwatch {

class StopwatchWindow : public ui::FormWindow {
 public:
  StopwatchWindow();
  bool Open();

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  void ShowTime() const;

  StopwatchModel model_;
  ui::Timer timer1_;
};

}  // namespace stopwatch
