// Velmora.exe: the splash first, then the bar; the help and about windows
// are one shared instance each, made on first use.
#include <windows.h>

#include <memory>

#include "ui/com_apartment.h"
#include "ui/system.h"
#include "ui/window.h"
#include "velmora/app/app_path.h"
#include "velmora/app/bar_window.h"
#include "velmora/app/lifetime_watch.h"
#include "velmora/app/menu_entries.h"
#include "velmora/capture/cap_area_window.h"
#include "velmora/capture/continuous_capture_window.h"
#include "velmora/capture/full_screen_capture.h"
#include "velmora/capture/save_notice_window.h"
#include "velmora/hotkeys/mod_hot.h"
#include "velmora/info/about_window.h"
#include "velmora/info/help_window.h"
#include "velmora/info/splash_window.h"
#include "velmora/input/input_window.h"
#include "velmora/words/folder_listing.h"
#include "velmora/words/send_word.h"

namespace velmora {
namespace {

// Typing checks whether the keys can reach their window, and tells the user
// at the bar when they cannot.
words::TypingGuard GuardedTyping() { return {words::WindowOutranksUs, capture::ShowNotice}; }

// Brings a window that is already open to the front.
void BringForward(const ui::Window& window) {
  window.Show(SW_SHOWNORMAL);
  SetForegroundWindow(window.Handle());
}

class Program {
 public:
  explicit Program(std::wstring appPath) : appPath_(std::move(appPath)) {
    services_.registerHotKeys = hotkeys::RegisterCaptureHotKeys;
    services_.unregisterHotKeys = hotkeys::UnregisterCaptureHotKeys;
    // Ctrl+Alt+C opens a picker of its own at every press; the menu's
    // command 2 reuses the shared one.
    hotkeys::SetHotKeyHandlers({[this] { capture::OpenNewAreaPicker(WindowWorkedIn()); },
                                [this] { capture::RunFullScreenCapture(WindowWorkedIn()); }});
    // The never-shown viewer and the shot windows do not keep the program
    // running once the user has closed every window they can see.
    capture::SetHiddenHelperMark(MarkHelperWindow);
    capture::SetSaveNoticeAnchor([this] { return BarRect(); });
    services_.capture = [this](int mode, HWND) { Capture(mode); };
    services_.loadMenus = [this](const std::wstring& appPath) { return entries_.Load(appPath); };
    services_.chooseEntry = [this](const MenuChoice& choice) { entries_.Choose(choice); };
    services_.showStatementInput = [this](HWND) { OpenStatementWindow(appPath_, GuardedTyping()); };

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

  // Where the keys go once a capture window closes: the window in front,
  // or the one the user worked in before a click on the bar.
  HWND WindowWorkedIn() const { return bar_ && bar_->Exists() ? bar_->WindowWorkedIn() : nullptr; }

  // No wait here: a command chosen in the menu has already waited in the bar
  // for the item's fade and the compositor, and the "抓" button and the hot
  // keys leave no menu on screen to wait for.
  void Capture(int mode) {
    const HWND workedIn = WindowWorkedIn();
    switch (mode) {
      case 1: capture::RunFullScreenCapture(workedIn); break;
      case 2: capture::ShowSharedAreaPicker(workedIn); break;
      case 3:
        // A shot hides the bar and shows it again, but never brings back a
        // bar the user has closed.
        capture::ShowContinuousCapture({[this] { SetBarShown(false); }, [this] { SetBarShown(true); }}, workedIn);
        break;
      default: break;
    }
  }

  // Where the bar stands on screen; empty while it is closed or hidden.
  RECT BarRect() const {
    RECT rect{};
    if (bar_ && bar_->Exists() && IsWindowVisible(bar_->Handle())) GetWindowRect(bar_->Handle(), &rect);
    return rect;
  }

  void SetBarShown(bool shown) const {
    if (bar_ && bar_->Exists()) bar_->Show(shown ? SW_SHOWNA : SW_HIDE);
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
  MenuEntries entries_{words::shellExe, [](HWND target, std::wstring_view word, HWND bar) {
                         words::SendWord(target, word, bar, GuardedTyping());
                       }};
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
  const ui::ComApartment com;
  velmora::Program program(velmora::AppPath(ui::ProgramPath()));
  if (!program.Start()) return 1;
  return ui::RunMessageLoop();
}
