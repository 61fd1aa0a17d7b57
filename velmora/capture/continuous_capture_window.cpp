#include "velmora/capture/continuous_capture_window.h"

#include <string>

#include "ui/os_functions.h"
#include "velmora/capture/save_notice_window.h"
#include "velmora/capture/shot_window.h"

namespace capture {
namespace {

constexpr wchar_t kControlClass[] = L"VelmoraContinuousCapture";
constexpr COLORREF kCountColor = RGB(255, 192, 255);
constexpr ui::FontSpec kWindowFont{L"宋体", 105};
constexpr ui::FontSpec kCountFont{L"宋体", 143};

using ui::ControlKind;
using W = ContinuousCaptureWindow;
// "关闭" reaches beyond the client area and over part of "开始", as laid out.
constexpr ui::ControlSpec kLayout[] = {
    {W::kLabel1, ControlKind::Label, L"间隔时间(s)：", 180, 120, 1365, 210},
    {W::kTxtNum, ControlKind::Edit, L"10", 1500, 60, 615, 375},
    {W::kLabNum, ControlKind::Label, L" 000", 240, 480, 735, 375},
    {W::kCmdStart, ControlKind::Button, L"开始", 1140, 540, 855, 375, WS_CLIPSIBLINGS},
    {W::kCmdClose, ControlKind::Button, L"关闭", 1680, 780, 855, 375, WS_CLIPSIBLINGS},
};

ContinuousCaptureWindow& SharedControlWindow() {
  static ContinuousCaptureWindow shared;
  return shared;
}

}  // namespace

ContinuousCaptureWindow::~ContinuousCaptureWindow() { Destroy(); }

bool ContinuousCaptureWindow::Open(HWND workedIn) {
  const bool loading = !Exists();
  if (loading || GetForegroundWindow() != Handle()) keeper_.Remember(workedIn);
  if (loading) {
    model_.Load();
    ui::WindowOptions options;
    options.className = kControlClass;
    options.caption = std::wstring(kControlCaption);
    options.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    options.exStyle = WS_EX_DLGMODALFRAME;
    options.clientWidthTwips = 2205;
    options.clientHeightTwips = 975;
    if (!Create(options)) return false;
    ui::DisableWindowTransitions(Handle());  // it hides for every shot
    PlaceAtRightEdge();
  }
  Show(SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
  if (loading) SetFocus(controls_.Get(kTxtNum));  // the interval is what the user sets first
  return true;
}

void ContinuousCaptureWindow::PlaceAtRightEdge() {
  RECT r{};
  GetWindowRect(Handle(), &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const WindowSpot spot =
      ControlWindowSpot(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), width, height, Dpi());
  // Top-most for the window's whole life.
  SetWindowPos(Handle(), HWND_TOPMOST, spot.left, spot.top, width, height, SWP_NOACTIVATE);
}

void ContinuousCaptureWindow::OnCreate() {
  controls_ = ui::ControlSet();
  controls_.Create(Handle(), kLayout, kWindowFont);
  controls_.SetFont(kLabNum, kCountFont);
  SetWindowPos(controls_.Get(kCmdClose), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  countBrush_ = ui::Brush(CreateSolidBrush(kCountColor));
}

void ContinuousCaptureWindow::OnDestroy() {
  // Closing stops the series; the count stays with the object.
  timer1_.Stop();
  controls_ = ui::ControlSet();
  countBrush_.reset();
}

LRESULT ContinuousCaptureWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    Close();
    return 0;
  }
  if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLOREDIT) {
    const HDC dc = reinterpret_cast<HDC>(wParam);
    const HWND control = reinterpret_cast<HWND>(lParam);
    if (control == controls_.Get(kLabNum) && countBrush_) {
      if (HBRUSH brush = ui::CustomColours(dc, GetSysColor(COLOR_BTNTEXT), kCountColor, countBrush_.get())) {
        return reinterpret_cast<LRESULT>(brush);
      }
    }
  }
  return FormWindow::OnMessage(message, wParam, lParam);
}

void ContinuousCaptureWindow::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return;
  if (id == kCmdStart) StartOrPause();
  if (id == kCmdClose) Close();
}

void ContinuousCaptureWindow::Close() {
  keeper_.GiveBack(Handle());
  Destroy();
}

void ContinuousCaptureWindow::StartOrPause() {
  const auto look = model_.Toggle(ui::GetText(controls_.Get(kTxtNum)));
  if (model_.Running()) noticeGate_.Restart();
  // An interval of nothing shows the running state but never ticks.
  if (model_.Running() && model_.Interval() > 0) {
    timer1_.Start(Handle(), kShotTimerId, model_.Interval());
  } else {
    timer1_.Stop();
  }
  ui::SetText(controls_.Get(kCmdStart), std::wstring(look.buttonText));
  SetWindowTextW(Handle(), std::wstring(look.caption).c_str());
}

void ContinuousCaptureWindow::OnTimer(UINT_PTR id) {
  if (id == kShotTimerId) Shoot();
}

void ContinuousCaptureWindow::Shoot() {
  // The waits below keep events flowing; a tick arriving meanwhile is not
  // a second shot inside this one.
  if (shooting_) return;
  shooting_ = true;
  // Neither window may be the foreground window or stand in the picture.
  Show(SW_HIDE);
  if (bar_.hide) bar_.hide();
  SetSaveNoticeShown(false);
  // Hidden windows stay in the composed screen until its next frame.
  ui::WaitForCompositor();
  const std::optional<SaveResult> shot = TakeShot();
  ui::Delay(0);
  // A shot with nothing to take is skipped: no file, and it does not count.
  if (shot) {
    lastShot_ = *shot;
    const std::wstring label = model_.Shot();
    if (Exists()) ui::SetText(controls_.Get(kLabNum), label);
  }
  ui::Delay(0.2);
  // Shown without taking the focus back from the window being captured.
  if (Exists()) Show(SW_SHOWNA);
  if (bar_.showIfExists) bar_.showIfExists();
  SetSaveNoticeShown(true);
  if (shot && noticeGate_.ShouldShow(lastShot_)) ShowSaveNotice(lastShot_);
  shooting_ = false;
}

ContinuousCaptureWindow* ShowContinuousCapture(BarVisibility bar, HWND workedIn) {
  ContinuousCaptureWindow& window = SharedControlWindow();
  window.SetBar(std::move(bar));
  return window.Open(workedIn) ? &window : nullptr;
}

}  // namespace capture
