#include "velmora/capture/shot_window.h"

#include <memory>
#include <vector>

#include "velmora/capture/capture_save.h"
#include "velmora/capture/hidden_helper.h"

namespace capture {
namespace {

constexpr wchar_t kShotClass[] = L"VelmoraShot";
constexpr UINT kCloseAfterMilliseconds = 1000;

std::vector<std::unique_ptr<ShotWindow>>& ShotWindows() {
  static std::vector<std::unique_ptr<ShotWindow>> windows;
  return windows;
}

// Closed shot windows are dropped at the next shot, never from inside their
// own window procedure.
void DropClosedShots() {
  std::erase_if(ShotWindows(), [](const std::unique_ptr<ShotWindow>& w) { return !w->Exists(); });
}

}  // namespace

ShotWindow::~ShotWindow() { Destroy(); }

bool ShotWindow::Load() {
  if (Exists()) return true;
  ui::WindowOptions options;
  options.className = kShotClass;
  options.caption = L"抓屏程序";
  options.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  options.exStyle = WS_EX_TOOLWINDOW;  // never on the taskbar, even for a moment
  if (!Create(options)) return false;
  // Never shown: it must not keep the program running once the user's
  // windows are gone.
  MarkHiddenHelper(Handle());
  timer1_.Start(Handle(), kCloseTimerId, kCloseAfterMilliseconds);
  return true;
}

void ShotWindow::cap() {
  if (!Load()) return;
  Show(SW_HIDE);
  image1_ = CaptureActiveWindow();
  Show(SW_HIDE);
  fileName_ = CaptureFileName(TimeLayout::Separated);
  lastSave_ = SaveCapture(image1_, fileName_);
}

void ShotWindow::OnTimer(UINT_PTR id) {
  if (id == kCloseTimerId) Destroy();
}

void ShotWindow::OnDestroy() {
  timer1_.Stop();
  image1_ = Picture();  // the picture goes with the window
}

SaveResult TakeShot() {
  DropClosedShots();
  auto shot = std::make_unique<ShotWindow>();
  shot->cap();
  SaveResult saved = shot->LastSave();
  if (shot->Exists()) ShotWindows().push_back(std::move(shot));
  return saved;
}

std::size_t OpenShotWindowCount() {
  DropClosedShots();
  return ShotWindows().size();
}

}  // namespace capture
