#pragma once
// The first window of a run: the program's name, version and maker, shown
// for about six seconds (or until its version label is clicked), after which
// it brings up the bar and closes.

#include <cstdint>

#include "ui/system.h"
#include "velmora/info/brand_panel.h"

namespace velmora {

class SplashWindow : public BrandWindow {
 public:
  using BrandWindow::BrandWindow;
  bool Open();

 private:
  void OnCreate() override;
  void OnTimer(UINT_PTR id) override;

  std::int64_t loadTime_ = 0;  // local clock, whole seconds
  ui::Timer timer1_;
};

// The local clock in whole seconds.
std::int64_t WallClockSeconds();

}  // namespace velmora
