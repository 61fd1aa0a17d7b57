#include "velmora/capture/save_notice_window.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/os_functions.h"
#include "ui/system.h"
#include "ui/window.h"
#include "velmora/capture/capture_picture.h"
#include "velmora/capture/hidden_helper.h"

namespace capture {
namespace {

constexpr wchar_t kNoticeClass[] = L"VelmoraSaveNotice";
constexpr UINT_PTR kCloseTimerId = 1;
constexpr UINT kShownMilliseconds = 4000;
constexpr int kWidthTwips = 5400;
constexpr int kMarginTwips = 90;
constexpr int kLabelId = 100;
constexpr ui::FontSpec kFont{L"宋体", 90};

class SaveNoticeWindow : public ui::Window {
 public:
  SaveNoticeWindow(std::wstring text, std::wstring file) : text_(std::move(text)), file_(std::move(file)) {}
  ~SaveNoticeWindow() override { Destroy(); }

  bool Open(const RECT& anchorRect) {
    const std::vector<screen::Monitor> monitors = DisplayMonitors();
    std::optional<screen::ScreenRect> anchor;
    if (anchorRect.right > anchorRect.left) anchor = ToScreenRect(anchorRect);
    const screen::Monitor* monitor = screen::NoticeMonitor(anchor, monitors);
    if (!monitor) return false;
    ui::WindowOptions options;
    options.className = kNoticeClass;
    options.caption = text_;
    options.style = WS_POPUP | WS_BORDER;
    // Top-most and never activated: the user keeps working where they were.
    options.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    // Made on the bar's monitor, so that it is laid out at that monitor's DPI.
    options.placement = ui::Placement::Explicit;
    options.x = monitor->work.left;
    options.y = monitor->work.top;
    options.background = GetSysColor(COLOR_INFOBK);
    options.clientWidthTwips = kWidthTwips;
    options.clientHeightTwips = 300;
    if (!Create(options)) return false;
    ui::DisableWindowTransitions(Handle());  // it hides for every continuous shot
    FitAndPlace(anchor, *monitor);
    closeTimer_.Start(Handle(), kCloseTimerId, kShownMilliseconds);
    Show(SW_SHOWNOACTIVATE);
    return true;
  }

 private:
  void OnCreate() override {
    const ui::ControlSpec layout[] = {{kLabelId, ui::ControlKind::Label, text_.c_str(), kMarginTwips, kMarginTwips,
                                       kWidthTwips - 2 * kMarginTwips, 210, SS_NOTIFY | SS_EDITCONTROL}};
    controls_.Create(Handle(), layout, kFont);
  }

  // Tall enough for the whole path, wrapped like an edit control wraps it,
  // and beside the bar inside its monitor's work area.
  void FitAndPlace(const std::optional<screen::ScreenRect>& anchor, const screen::Monitor& monitor) {
    const HWND label = controls_.Get(kLabelId);
    const int margin = Px(kMarginTwips), width = Px(kWidthTwips) - 2 * margin;
    RECT text{0, 0, width, 0};
    {
      const ui::WindowDc dc(label);
      const ui::SelectionGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
      DrawTextW(dc.get(), text_.c_str(), -1, &text, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    }
    MoveWindow(label, margin, margin, width, text.bottom, FALSE);

    RECT outer{0, 0, width + 2 * margin, text.bottom + 2 * margin};
    ui::AdjustWindowRectForDpi(outer, WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW, Dpi());
    const int cx = outer.right - outer.left, cy = outer.bottom - outer.top;
    const screen::ScreenPoint at = screen::NoticeOrigin(anchor, cx, cy, monitor);
    SetWindowPos(Handle(), HWND_TOPMOST, at.x, at.y, cx, cy, SWP_NOACTIVATE);
  }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
      case WM_LBUTTONUP: Clicked(); return 0;
      case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = ui::CustomColours(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_INFOTEXT), Background(),
                                             BackgroundBrush())) {
          return reinterpret_cast<LRESULT>(brush);
        }
        return Window::OnMessage(message, wParam, lParam);
      default: return Window::OnMessage(message, wParam, lParam);
    }
  }

  void OnCommand(int id, int code, HWND) override {
    if (id == kLabelId && code == STN_CLICKED) Clicked();
  }

  void OnTimer(UINT_PTR id) override {
    if (id == kCloseTimerId) Destroy();
  }

  // The shell's call waits for Explorer, another process, and a thread of a
  // single-threaded apartment goes on dispatching messages meanwhile
  // ("Single-Threaded Apartments", Microsoft Learn): a capture can show a new
  // notice then, which takes this one's place and frees it. So the notice
  // closes first, and nothing of it is touched once the shell is called.
  void Clicked() {
    const std::wstring file = file_;
    Destroy();
    if (!file.empty()) OpenFolderOf(file);
  }

  static void OpenFolderOf(const std::wstring& file);

  std::wstring text_;
  std::wstring file_;  // empty when nothing was saved
  ui::ControlSet controls_;
  ui::Timer closeTimer_;
};

std::function<void(const std::wstring&)>& FolderOpener() {
  static std::function<void(const std::wstring&)> open;
  return open;
}

void SaveNoticeWindow::OpenFolderOf(const std::wstring& file) {
  if (FolderOpener()) return FolderOpener()(file);
  ui::ShowInFolder(nullptr, file);
}

std::function<RECT()>& Anchor() {
  static std::function<RECT()> anchor;
  return anchor;
}

std::unique_ptr<SaveNoticeWindow>& Shown() {
  static std::unique_ptr<SaveNoticeWindow> shown;
  return shown;
}

void Show(const std::wstring& text, const std::wstring& file) {
  Shown() = std::make_unique<SaveNoticeWindow>(text, file);
  const RECT anchor = Anchor() ? Anchor()() : RECT{};
  if (!Shown()->Open(anchor)) return Shown().reset();
  // A notice alone on screen does not keep the program running.
  MarkHiddenHelper(Shown()->Handle());
}

}  // namespace

void SetSaveNoticeFolderOpener(std::function<void(const std::wstring& file)> open) {
  FolderOpener() = std::move(open);
}

void SetSaveNoticeAnchor(std::function<RECT()> anchor) { Anchor() = std::move(anchor); }

void ShowSaveNotice(const SaveResult& result) {
  const auto text = SaveNoticeText(result);
  if (!text) return;
  Show(*text, result.saved ? result.path : std::wstring());
}

void ShowNotice(const std::wstring& text) { Show(text, {}); }

void ShowCaptureFailedNotice() { ShowNotice(kCaptureFailedText); }

void SetSaveNoticeShown(bool shown) {
  if (const HWND notice = SaveNoticeHandle()) ShowWindow(notice, shown ? SW_SHOWNOACTIVATE : SW_HIDE);
}

HWND SaveNoticeHandle() {
  return Shown() && Shown()->Exists() ? Shown()->Handle() : nullptr;
}

}  // namespace capture
