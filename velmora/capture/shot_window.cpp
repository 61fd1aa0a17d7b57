#include "velmora/capture/shot_window.h"

#include <memory>

#include "velmora/capture/capture_save.h"
#include "velmora/capture/hidden_helper.h"
#include "velmora/capture/open_windows.h"

namespace capture {
namespace {

constexpr wchar_t kShotClass[] = L"VelmoraShot";
constexpr UINT kCloseAfterMilliseconds = 1000;

OpenWindows<ShotWindow>& ShotWindows() {
  static OpenWindows<ShotWindow> windows;
  return windows;
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
  if (!image1_) return;  // nothing to take: no file, rather than an empty one
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

std::optional<SaveResult> TakeShot() {
  auto shot = std::make_unique<ShotWindow>();
  shot->cap();
  std::optional<SaveResult> saved;
  if (shot->Image()) saved = shot->LastSave();
  ShotWindows().Add(std::move(shot));
  return saved;
}

std::size_t OpenShotWindowCount() { return ShotWindows().Count(); }

}  // namespace capture
