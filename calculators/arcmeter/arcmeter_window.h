#pragma once
// The circle and arc calculator's only window.

#include <memory>

#include "calculators/arcmeter/arcmeter_model.h"
#include "ui/form_window.h"
#include "ui/text_box_binding.h"

namespace arcmeter {

class ArcmeterWindow : public ui::FormWindow {
 public:
  bool Open();

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void ApplyColors();
  void OnOptionClick(Mode mode);
  void ShowHelp() const;

  ArcmeterModel model_;
  std::unique_ptr<ui::TextBoxBinding<ArcmeterModel>> boxes_;
};

}  // namespace arcmeter
