#pragma once
// The about window: the splash's information on request. A click on its
// background (a press and a release there, not on a control or the frame)
// or a key closes it; its version label brings up the bar.

#include "velmora/info/brand_panel.h"

namespace velmora {

class AboutWindow : public BrandWindow {
 public:
  using BrandWindow::BrandWindow;
  bool Open();

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OverBackground(LPARAM lParam) const;
};

}  // namespace velmora
