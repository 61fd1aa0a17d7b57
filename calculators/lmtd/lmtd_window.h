#pragma once
// The temperature-difference calculator's only window.

#include <memory>

#include "calculators/lmtd/lmtd_model.h"
#include "ui/controls.h"
#include "ui/text_box_binding.h"
#include "ui/window.h"

namespace lmtd {

class LmtdWindow : public ui::Window {
 public:
  bool Open();

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnDpiChanged(UINT dpi) override { controls_.Relayout(dpi); }
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ShowHelp() const;

  LmtdModel model_;
  ui::ControlSet controls_;
  std::unique_ptr<ui::TextBoxBinding<LmtdModel>> boxes_;
};

}  // namespace lmtd
