#pragma once
// Keeps a window's text boxes and a model's box texts in step.
//
// The model (any type with Text(i) and Write(i, text), such as a calculator's
// box set) owns the change rule: a write notifies only when the text differs,
// nested inside the write. The binding hands the user's typing to the model
// and then shows whatever the model's boxes hold, without treating its own
// writes to the controls as typing.

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace ui {

template <typename Model>
class TextBoxBinding {
 public:
  TextBoxBinding(Model& model, std::vector<HWND> controls) : model_(model), controls_(std::move(controls)) {}

  // Shows the model's texts in the controls.
  void Show() {
    if (showing_) return;
    showing_ = true;
    for (std::size_t box = 0; box < controls_.size(); ++box) {
      const std::wstring& wanted = model_.Text(box);
      if (GetText(controls_[box]) == wanted) continue;
      const bool focused = GetFocus() == controls_[box];
      SetText(controls_[box], wanted);
      // A rewritten box the user is typing in keeps the caret at the end.
      if (focused) SendMessageW(controls_[box], EM_SETSEL, wanted.size(), wanted.size());
    }
    showing_ = false;
  }

  // Call on EN_CHANGE; returns whether the control belongs to the binding.
  bool OnEditChange(HWND control) {
    for (std::size_t box = 0; box < controls_.size(); ++box) {
      if (controls_[box] != control) continue;
      if (!showing_) {
        model_.Write(box, GetText(control));
        Show();
      }
      return true;
    }
    return false;
  }

 private:
  Model& model_;
  std::vector<HWND> controls_;
  bool showing_ = false;
};

}  // namespace ui
