#pragma once
// The interpolation calculator's only window, kept above all other windows.

#include <memory>

#include "calculators/interpolation/interpolation_model.h"
#include "ui/controls.h"
#include "ui/text_box_binding.h"
#include "ui/window.h"

namespace interpolation {

class InterpolationWindow : public ui::Window {
 public:
  bool Open();

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnDpiChanged(UINT dpi) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ShowResultColor();
  void CopyResult() const;
  void PaintSeparator() const;

  InterpolationModel model_;
  ui::ControlSet controls_;
  std::unique_ptr<ui::TextBoxBinding<InterpolationModel>> boxes_;
  bool resultRed_ = false;
};

}  // namespace interpolation
