// Velmora.exe: the splash first, then the bar; the help and about windows
// are one shared instance each, made on first use.
#include <windows.h>

#include <memory>

#include "ui/system.h"
#include "ui/window.h"
#include "velmora/app/app_path.h"
#include "velmora/app/bar_window.h"
#include "velmora/app/lifetime_watch.h"
#include "velmora/info/about_window.h"
#include "velmora/info/help_window.h"
#include "velmora/info/splash_window.h"

namespace velmora {
namespace {

std::wstring ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) return path.substr(0, n);
    path.resize(path.size() * 2);  // a long path: try a larger buffer
  }
}

// Brings a window that is already open to the front.
void BringForward(const ui::Window& window) {
  window.Show(SW_SHOWNORMAL);
  SetForegroundWindow(window.Handle());
}

class Program {
 public:
  explicit Program(std::wstring appPath) : appPath_(std::move(appPath)) {
    // Each subsystem wires itself in here as it joins the program.
    // Ctrl+Alt+C and Ctrl+Alt+V: no hot keys until that module is here.
    services_.registerHotKeys = nullptr;
    services_.unregisterHotKeys = nullptr;
    // Capture modes 1 to 3: "抓" and the capture commands do nothing yet.
    services_.capture = nullptr;
    // Word lists and folders: the menus keep their first, default elements.
    services_.fillMenus = nullptr;
    // Typing an entry or opening a file: a click on an entry does nothing yet.
    services_.chooseEntry = nullptr;
    // The statement input window: its (hidden) menu item does nothing yet.
    services_.showStatementInput = nullptr;

    host_.showHelp = [this] { ShowHelp(); };
    host_.showAbout = [this] { ShowAbout(); };
    host_.exitProgram = [] { PostQuitMessage(0); };
  }

  bool Start() {
    splash_ = std::make_unique<SplashWindow>([this] { ShowBar(); });
    if (!splash_->Open()) return false;
    splash_->Show(SW_SHOW);
    return true;
  }

  // Shows the bar, making it anew (hot keys, home page, lists, corner) when
  // it is not there.
  void ShowBar() {
    if (!bar_ || !bar_->Exists()) {
      bar_ = std::make_unique<BarWindow>(services_, host_, appPath_, ClockSeededSource());
      if (!bar_->Open()) return;
    }
    bar_->Show(SW_SHOW);
  }

  void ShowHelp() {
    if (help_ && help_->Exists()) return BringForward(*help_);
    help_ = std::make_unique<HelpWindow>([this] { ShowAbout(); });
    if (help_->Open()) help_->Show(SW_SHOW);
  }

  void ShowAbout() {
    if (about_ && about_->Exists()) return BringForward(*about_);
    about_ = std::make_unique<AboutWindow>([this] { ShowBar(); });
    if (about_->Open()) about_->Show(SW_SHOW);
  }

 private:
  std::wstring appPath_;
  BarServices services_;
  BarHost host_;
  std::unique_ptr<SplashWindow> splash_;
  std::unique_ptr<BarWindow> bar_;
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<AboutWindow> about_;
  // Last, so it stops watching before the windows above go at the end.
  LifetimeWatch lifetime_;
};

}  // namespace
}  // namespace velmora

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  velmora::Program program(velmora::AppPath(velmora::ExecutablePath()));
  if (!program.Start()) return 1;
  return ui::RunMessageLoop();
}
