#include "velmora/info/splash_window.h"

#include <chrono>

namespace velmora {
namespace {

constexpr UINT_PTR kTimer1 = 1;

constexpr BrandLayout kSplashLayout = {
    {2370, 285, 3255, 555},   // Label1
    {6465, 675, 1350, 285},   // lblVersion
    {300, 1095, 2805, 360},   // labWeb
    {3270, 1080, 3180, 360},  // labEmail
    {6615, 1095, 1725, 360},  // labQQ
    {165, 1530, 8775, 2010},  // Frame1
    {510, 3660, 7815, 390},   // lbl
    143,
    L"运行程序后，程序会出现在屏幕的右下角，您可以拖动程序到任何位置。",
};

}  // namespace

std::int64_t WallClockSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

bool SplashWindow::Open() {
  ui::WindowOptions options;
  options.className = L"VelmoraSplash";
  options.caption = L"Velmora";
  options.style = WS_POPUP;
  options.clientWidthTwips = 9135;
  options.clientHeightTwips = 4125;
  options.background = RGB(255, 192, 255);
  return Create(options);
}

void SplashWindow::OnCreate() {
  CreateControls(kSplashLayout);
  loadTime_ = WallClockSeconds();
  timer1_.Start(Handle(), kTimer1, 1000);
}

void SplashWindow::OnTimer(UINT_PTR id) {
  if (id == kTimer1 && SplashDue(loadTime_, WallClockSeconds())) ShowBarAndClose();
}

}  // namespace velmora
