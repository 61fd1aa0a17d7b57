#pragma once
// The interpolation calculator's only window, kept above all other windows.

#include <memory>

#include "calculators/interpolation/interpolation_model.h"
#include "ui/form_window.h"
#include "ui/text_box_binding.h"

namespace interpolation {

class InterpolationWindow : public ui::FormWindow {
 public:
  bool Open();

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void ShowResultColor();
  void CopyResult() const;

  InterpolationModel model_;
  std::unique_ptr<ui::TextBoxBinding<InterpolationModel>> boxes_;
  bool resultRed_ = false;
};

}  // namespace interpolation
