#pragma once
// The temperature-difference calculator's only window.

#include <memory>

#include "calculators/lmtd/lmtd_model.h"
#include "ui/form_window.h"
#include "ui/text_box_binding.h"

namespace lmtd {

class LmtdWindow : public ui::FormWindow {
 public:
  bool Open();

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void ShowHelp() const;

  LmtdModel model_;
  std::unique_ptr<ui::TextBoxBinding<LmtdModel>> boxes_;
};

}  // namespace lmtd
