#include "velmora/capture/cap_area_window.h"

#include <windowsx.h>

#include <memory>
#include <vector>

#include "ui/controls.h"
#include "velmora/capture/capture_save.h"
#include "velmora/capture/open_windows.h"
#include "velmora/capture/save_notice_window.h"

namespace capture {
namespace {

constexpr wchar_t kPickerClass[] = L"VelmoraCapArea";
constexpr wchar_t kPrompt[] = L"请选择要抓取的窗口并拖动:";
constexpr COLORREF kPromptColor = RGB(255, 192, 255);
constexpr COLORREF kFrameColor = RGB(0, 255, 0);
constexpr int kPromptLeftTwips = 60, kPromptTopTwips = 60;
constexpr int kPromptWidthTwips = 3135, kPromptHeightTwips = 375;
constexpr ui::FontSpec kPromptFont{L"宋体", 120};

unsigned ButtonsOf(WPARAM keys) {
  unsigned buttons = kNoButton;
  if (keys & MK_LBUTTON) buttons |= kLeftButton;
  if (keys & MK_RBUTTON) buttons |= kRightButton;
  if (keys & MK_MBUTTON) buttons |= kMiddleButton;
  if (keys & MK_XBUTTON1) buttons |= kXButton1;
  if (keys & MK_XBUTTON2) buttons |= kXButton2;
  return buttons;
}

OpenWindows<CapAreaWindow>& Pickers() {
  static OpenWindows<CapAreaWindow> pickers;
  return pickers;
}

CapAreaWindow& SharedPicker() {
  static CapAreaWindow shared;
  return shared;
}

}  // namespace

CapAreaWindow::~CapAreaWindow() { Destroy(); }

bool CapAreaWindow::Open(HWND workedIn) {
  if (Exists()) {
    Show(maximised_ ? SW_SHOWMAXIMIZED : SW_SHOW);
    SetForegroundWindow(Handle());
    return true;
  }
  keeper_.Remember(workedIn);
  const PhysicalPixelsScope physical;
  // Frozen before the window exists, so neither the picker nor its prompt
  // can be in the picture.
  monitors_ = DisplayMonitors();
  background_ = CaptureScreen(monitors_);
  if (!background_) {
    ShowCaptureFailedNotice();
    return false;
  }
  const screen::PickerCover cover = screen::PickerCovers(monitors_);
  covered_ = cover.rect;
  maximised_ = cover.maximised;
  model_.Load();
  framed_ = false;
  copied_ = false;
  lastSave_ = {};
  ui::WindowOptions options;
  options.className = kPickerClass;
  options.style = WS_POPUP | WS_CLIPCHILDREN;
  // Above the bar, the viewers, the notice and other programs' top-most
  // windows, which would otherwise stay live over the frozen screen.
  options.exStyle = WS_EX_TOPMOST;
  options.placement = ui::Placement::Explicit;
  options.x = covered_.left;
  options.y = covered_.top;
  if (!Create(options)) return false;
  KeepCovering();
  Show(maximised_ ? SW_SHOWMAXIMIZED : SW_SHOW);
  SetForegroundWindow(Handle());
  UpdateWindow(Handle());
  timer1_.Start(Handle(), kIdleTimerId, 1000);
  return true;
}

void CapAreaWindow::OnCreate() {
  const UINT dpi = Dpi();
  promptBrush_ = ui::Brush(CreateSolidBrush(kPromptColor));
  txtPos_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", kPrompt, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 0, 0,
                            Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  PlacePrompt(dpi);
}

void CapAreaWindow::PlacePrompt(UINT dpi) {
  if (txtPos_) {
    MoveWindow(txtPos_, ui::TwipsToPixels(kPromptLeftTwips, dpi), ui::TwipsToPixels(kPromptTopTwips, dpi),
               ui::TwipsToPixels(kPromptWidthTwips, dpi), ui::TwipsToPixels(kPromptHeightTwips, dpi), TRUE);
  }
  MakePromptFont(dpi);
}

void CapAreaWindow::KeepCovering() {
  SetWindowPos(Handle(), HWND_TOPMOST, covered_.left, covered_.top, covered_.Width(), covered_.Height(),
               SWP_NOACTIVATE);
}

void CapAreaWindow::MakePromptFont(UINT dpi) {
  ui::Font font = ui::MakeFont(kPromptFont, dpi);
  if (txtPos_) SendMessageW(txtPos_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  promptFont_ = std::move(font);  // the old font goes only after the box has let go of it
}

void CapAreaWindow::OnDestroy() {
  timer1_.Stop();
  // The pictures go with the window; the box is already gone with it.
  background_ = Picture();
  txtPos_ = nullptr;
  promptFont_.reset();
  promptBrush_.reset();
  framed_ = false;
}

LRESULT CapAreaWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the frozen picture covers the whole window
    case WM_CLOSE:
      Close();
      return 0;
    case WM_GETMINMAXINFO: {
      // Maximised means the whole screen, over the taskbar too, so that the
      // window's pixels line up with the screen's.
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMaxPosition = {covered_.left, covered_.top};
      info->ptMaxSize = {covered_.Width(), covered_.Height()};
      return 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) != txtPos_ || !promptBrush_) break;
      if (HBRUSH brush = ui::CustomColours(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT), kPromptColor,
                                           promptBrush_.get())) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_DPICHANGED:
      // Sent when the picker is made, or its centre lies, on a monitor of
      // another DPI. The suggested rectangle ("WM_DPICHANGED message") keeps
      // a window's size against what else the new monitor shows; here it
      // would shrink the picker onto that monitor and leave the others live.
      // The picker's pixels are the screen's own, so it stays over every
      // monitor, lined up with its picture.
      KeepCovering();
      if (model_.CurrentState() == PickerModel::State::Idle) PlacePrompt(HIWORD(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDBLCLK:
      OnPress(lParam);
      return message == WM_XBUTTONDOWN || message == WM_XBUTTONDBLCLK;
    case WM_MOUSEMOVE:
      OnMove(wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_XBUTTONUP:
      OnRelease(lParam);
      return message == WM_XBUTTONUP;
  }
  return Window::OnMessage(message, wParam, lParam);
}

POINT CapAreaWindow::ClientInPicture() const {
  POINT origin{0, 0};
  ClientToScreen(Handle(), &origin);
  return {origin.x - covered_.left, origin.y - covered_.top};
}

// The frozen picture is the virtual screen from its top-left corner, so a
// point of the window is a point of the picture once moved by the window's
// place in it.
PickPoint CapAreaWindow::PicturePoint(LPARAM lParam) const {
  const POINT origin = ClientInPicture();
  return {GET_X_LPARAM(lParam) + origin.x, GET_Y_LPARAM(lParam) + origin.y};
}

void CapAreaWindow::Paint() {
  const ui::PaintScope paint(Handle());
  const RECT& r = paint.area();
  const POINT origin = ClientInPicture();
  PatBlt(paint.dc(), r.left, r.top, r.right - r.left, r.bottom - r.top, BLACKNESS);
  if (background_) {
    const ui::MemoryDc memory(CreateCompatibleDC(paint.dc()));
    const ui::SelectionGuard selected(memory.get(), background_.Bitmap());
    if (background_.Palette()) {
      SelectPalette(paint.dc(), background_.Palette(), TRUE);
      RealizePalette(paint.dc());
    }
    BitBlt(paint.dc(), r.left, r.top, r.right - r.left, r.bottom - r.top, memory.get(), r.left + origin.x,
           r.top + origin.y, SRCCOPY);
  }
  if (!framed_) return;
  const ui::Pen pen(CreatePen(PS_SOLID, 1, kFrameColor));
  const ui::SelectionGuard penSelected(paint.dc(), pen.get());
  const ui::SelectionGuard hollow(paint.dc(), GetStockObject(NULL_BRUSH));
  // Both corners lie on the outline.
  Rectangle(paint.dc(), frame_.left - origin.x, frame_.top - origin.y, frame_.right - origin.x + 1,
            frame_.bottom - origin.y + 1);
}

void CapAreaWindow::RedrawFrameEdges(const FrameCorners& f) const {
  const POINT origin = ClientInPicture();
  const int l = f.left - origin.x, t = f.top - origin.y, r = f.right - origin.x + 1, b = f.bottom - origin.y + 1;
  const RECT edges[] = {{l, t, r, t + 1}, {l, b - 1, r, b}, {l, t, l + 1, b}, {r - 1, t, r, b}};
  for (const RECT& edge : edges) InvalidateRect(Handle(), &edge, FALSE);
}

void CapAreaWindow::OnPress(LPARAM lParam) {
  const PickPoint at = PicturePoint(lParam);
  const PickerMetrics metrics = PickerMetricsAt(at, covered_, monitors_);
  const auto box = model_.Press(at, metrics);
  if (!box) return;
  MakePromptFont(metrics.dpi);
  // The release must come back here even if the pointer leaves the window.
  SetCapture(Handle());
  const POINT origin = ClientInPicture();
  if (txtPos_) MoveWindow(txtPos_, box->left - origin.x, box->top - origin.y, box->width, box->height, TRUE);
}

void CapAreaWindow::OnMove(WPARAM wParam, LPARAM lParam) {
  const auto shown = model_.Move(PicturePoint(lParam), ButtonsOf(wParam));
  if (!shown) return;
  if (txtPos_) SetWindowTextW(txtPos_, shown->sizeText.c_str());
  if (framed_) RedrawFrameEdges(frame_);  // the old frame is wiped back to the picture
  frame_ = shown->frame;
  framed_ = true;
  RedrawFrameEdges(frame_);
  UpdateWindow(Handle());
}

void CapAreaWindow::OnRelease(LPARAM lParam) {
  const auto rect = model_.Release(PicturePoint(lParam));
  if (!rect) return;
  if (GetCapture() == Handle()) ReleaseCapture();
  TakePick(*rect);
}

void CapAreaWindow::TakePick(const PickRect& rect) {
  // Cut from the frozen picture, not from the window, where the read-out box
  // and the frame stand over it.
  const Picture picked = CropPicture(background_, rect.left, rect.top, rect.width, rect.height);
  model_.CaptureDone();
  copied_ = CopyPictureToClipboard(Handle(), picked);
  lastSave_ = SaveCapture(picked, CaptureFileName(TimeLayout::Joined));
  Close();
  ShowSaveNotice(lastSave_);
}

void CapAreaWindow::Close() {
  keeper_.GiveBack(Handle());
  Destroy();
}

void CapAreaWindow::OnTimer(UINT_PTR id) {
  if (id == kIdleTimerId && model_.Tick()) Close();
}

CapAreaWindow* ShowSharedAreaPicker(HWND workedIn) {
  CapAreaWindow& picker = SharedPicker();
  return picker.Open(workedIn) ? &picker : nullptr;
}

CapAreaWindow* OpenNewAreaPicker(HWND workedIn) {
  auto picker = std::make_unique<CapAreaWindow>();
  picker->Open(workedIn);
  return Pickers().Add(std::move(picker));
}

std::size_t OpenAreaPickerCount() { return Pickers().Count(); }

}  // namespace capture
