#pragma once
// The chain arithmetic calculator's only window.

#include <memory>

#include "calculators/chaincalc/chaincalc_model.h"
#include "ui/controls.h"
#include "ui/text_box_binding.h"
#include "ui/window.h"

namespace chaincalc {

class ChaincalcWindow : public ui::Window {
 public:
  bool Open();

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnDpiChanged(UINT dpi) override { controls_.Relayout(dpi); }
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ApplyFontsAndColors();
  void ShowHelp() const;

  ChaincalcModel model_;
  ui::ControlSet controls_;
  std::unique_ptr<ui::TextBoxBinding<ChaincalcModel>> boxes_;
};

}  // namespace chaincalc
