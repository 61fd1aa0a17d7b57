#pragma once
// The user manual: the program's name, version and maker, and the help text.

#include <functional>

#include "ui/controls.h"
#include "ui/form_window.h"

namespace velmora {

class HelpWindow : public ui::FormWindow {
 public:
  // showAbout: opens the about window beside this one.
  explicit HelpWindow(std::function<void()> showAbout) : showAbout_(std::move(showAbout)) {}
  bool Open();

  enum : int { kCmdOK = 101, kCmdAbout, kLabel1, kLblVersion, kLabWeb, kLabEmai, kLabQQ, kTxtHelp };

 private:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::function<void()> showAbout_;
};

}  // namespace velmora
