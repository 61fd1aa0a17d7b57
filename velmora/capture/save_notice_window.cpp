#include "velmora/capture/save_notice_window.h"

#include <algorithm>
#include <memory>
#include <string>

#include "ui/controls.h"
#include "ui/system.h"
#include "ui/window.h"
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

  bool Open(const RECT& anchor) {
    ui::WindowOptions options;
    options.className = kNoticeClass;
    options.caption = text_;
    options.style = WS_POPUP | WS_BORDER;
    // Top-most and never activated: the user keeps working where they were.
    options.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    options.placement = ui::Placement::Explicit;
    options.background = GetSysColor(COLOR_INFOBK);
    options.clientWidthTwips = kWidthTwips;
    options.clientHeightTwips = 300;
    if (!Create(options)) return false;
    FitAndPlace(anchor);
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
  // and beside the anchor inside the work area.
  void FitAndPlace(const RECT& anchor) {
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
    AdjustWindowRectEx(&outer, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
    const int cx = outer.right - outer.left, cy = outer.bottom - outer.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const bool anchored = anchor.right > anchor.left;
    // Above the bar, right edges aligned; below it where there is no room.
    int x = anchored ? anchor.right - cx : work.right - cx;
    int y = anchored ? anchor.top - cy : work.bottom - cy;
    if (anchored && y < work.top) y = anchor.bottom;
    x = std::clamp(x, static_cast<int>(work.left), std::max<int>(work.left, work.right - cx));
    y = std::clamp(y, static_cast<int>(work.top), std::max<int>(work.top, work.bottom - cy));
    SetWindowPos(Handle(), HWND_TOPMOST, x, y, cx, cy, SWP_NOACTIVATE);
  }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
      case WM_LBUTTONUP: Clicked(); return 0;
      case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), Background());
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_INFOTEXT));
        return reinterpret_cast<LRESULT>(BackgroundBrush());
      default: return Window::OnMessage(message, wParam, lParam);
    }
  }

  void OnCommand(int id, int code, HWND) override {
    if (id == kLabelId && code == STN_CLICKED) Clicked();
  }

  void OnTimer(UINT_PTR id) override {
    if (id == kCloseTimerId) Destroy();
  }

  void Clicked() {
    if (!file_.empty()) ui::ShowInFolder(Handle(), file_);
    Destroy();
  }

  std::wstring text_;
  std::wstring file_;  // empty when nothing was saved
  ui::ControlSet controls_;
  ui::Timer closeTimer_;
};

std::function<RECT()>& Anchor() {
  static std::function<RECT()> anchor;
  return anchor;
}

std::unique_ptr<SaveNoticeWindow>& Shown() {
  static std::unique_ptr<SaveNoticeWindow> shown;
  return shown;
}

}  // namespace

void SetSaveNoticeAnchor(std::function<RECT()> anchor) { Anchor() = std::move(anchor); }

namespace {

void ShowNotice(const std::wstring& text, const std::wstring& file) {
  Shown() = std::make_unique<SaveNoticeWindow>(text, file);
  const RECT anchor = Anchor() ? Anchor()() : RECT{};
  if (!Shown()->Open(anchor)) return Shown().reset();
  // A notice alone on screen does not keep the program running.
  MarkHiddenHelper(Shown()->Handle());
}

}  // namespace

void ShowSaveNotice(const SaveResult& result) {
  if (const auto text = SaveNoticeText(result)) ShowNotice(*text, result.saved ? result.path : std::wstring());
}

void ShowCaptureFailedNotice() { ShowNotice(kCaptureFailedText, {}); }

void SetSaveNoticeShown(bool shown) {
  if (const HWND notice = SaveNoticeHandle()) ShowWindow(notice, shown ? SW_SHOWNOACTIVATE : SW_HIDE);
}

HWND SaveNoticeHandle() {
  return Shown() && Shown()->Exists() ? Shown()->Handle() : nullptr;
}

}  // namespace capture
