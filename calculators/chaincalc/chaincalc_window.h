#pragma once
// The chain arithmetic calculator's only window.

#include <memory>

#include "calculators/chaincalc/chaincalc_model.h"
#include "ui/form_window.h"
#include "ui/text_box_binding.h"

namespace chaincalc {

class ChaincalcWindow : public ui::FormWindow {
 public:
  bool Open();

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void ApplyFontsAndColors();
  void ShowHelp() const;

  ChaincalcModel model_;
  std::unique_ptr<ui::TextBoxBinding<ChaincalcModel>> boxes_;
};

}  // namespace chaincalc
