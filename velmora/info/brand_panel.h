#pragma once
// What the splash and about windows share: the program's name and version,
// the maker's contact labels (web and mail are links that turn blue under
// the pointer), a frame with two boxes of text about the maker's programs
// and a one-line message. They differ in layout and in how they close.

#include <functional>

#include "ui/controls.h"
#include "ui/window.h"
#include "velmora/info/brand_rules.h"

namespace velmora {

struct BrandLayout {
  struct Box {
    int left, top, width, height;  // twips
  };
  Box label1, lblVersion, labWeb, labEmail, labQQ, frame1, lbl;
  int versionTenthsOfPoint;
  const wchar_t* message;  // lbl's text
};

class BrandWindow : public ui::Window {
 public:
  // showBar: shows the bar, creating it when it is not there.
  explicit BrandWindow(std::function<void()> showBar) : showBar_(std::move(showBar)) {}

  enum : int { kLabel1 = 101, kLblVersion, kLabWeb, kLabEmail, kLabQQ, kFrame1, kText1, kText2, kLbl };

 protected:
  // Makes the controls; call from OnCreate.
  void CreateControls(const BrandLayout& layout);
  // Shows the bar, then closes this window.
  void ShowBarAndClose();
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDpiChanged(UINT dpi) override { controls_.Relayout(dpi); }

 private:
  void Hover(LinkHover::Over where);
  void OnLabelClicked(int id);

  std::function<void()> showBar_;
  ui::ControlSet controls_;
  LinkHover links_;
};

// Sets a control's font, made smaller where needed so that its text fits in
// one line of the control (the maker's addresses are longer than the labels).
void FitFont(ui::ControlSet& controls, int id, ui::FontSpec font);

}  // namespace velmora
