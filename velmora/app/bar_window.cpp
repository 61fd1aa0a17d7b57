#include "velmora/app/bar_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/maker.h"
#include "ui/os_functions.h"

namespace velmora {
namespace {

constexpr UINT_PTR kTimer2 = 2;
constexpr UINT kTrackingMs = 200;
constexpr COLORREF kBarColour = RGB(255, 128, 128);
constexpr COLORREF kPanelColour = RGB(192, 192, 255);
// The panel runs past the bar's right edge and is clipped there.
constexpr int kPanelWidthTwips = 700, kPanelHeightTwips = 300;

using ui::ControlKind;
constexpr ui::ControlSpec kPanelLayout[] = {
    {BarWindow::kCmdData, ControlKind::Button, L"菜", 0, 15, 280, 270},
    {BarWindow::kCmdCap, ControlKind::Button, L"抓", 308, 15, 285, 270},
};

// Esc and F1 go to the bar whichever of its buttons has the focus.
LRESULT CALLBACK ButtonKeys(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR bar) {
  if (message == WM_KEYDOWN && (wParam == VK_ESCAPE || wParam == VK_F1)) {
    // Posted: Esc destroys the bar, and with it this button.
    PostMessageW(reinterpret_cast<HWND>(bar), WM_KEYDOWN, wParam, lParam);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(button, ButtonKeys, 1);
  return DefSubclassProc(button, message, wParam, lParam);
}

}  // namespace

bool BarPanel::Open(HWND bar) {
  ui::WindowOptions options;
  options.className = L"VelmoraBarPanel";
  options.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
  options.owner = bar;
  options.placement = ui::Placement::Explicit;
  const UINT dpi = ui::WindowDpi(bar);
  options.x = ui::TwipsToPixels(kBarStripTwips, dpi);
  options.y = 0;
  options.clientWidthTwips = kPanelWidthTwips;
  options.clientHeightTwips = kPanelHeightTwips;
  options.background = kPanelColour;
  return Create(options);
}

void BarPanel::OnCreate() {
  controls_.Create(Handle(), kPanelLayout, {L"宋体", 90});
  const HWND bar = GetParent(Handle());
  for (const auto& control : kPanelLayout) {
    const HWND button = controls_.Get(control.id);
    SetWindowSubclass(button, ButtonKeys, 1, reinterpret_cast<DWORD_PTR>(bar));
    // On buttons this small the focus rectangle would cover the character.
    SendMessageW(button, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  }
}

void BarPanel::Relayout(UINT dpi) {
  SetWindowPos(Handle(), nullptr, ui::TwipsToPixels(kBarStripTwips, dpi), 0, ui::TwipsToPixels(kPanelWidthTwips, dpi),
               ui::TwipsToPixels(kPanelHeightTwips, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
  controls_.Relayout(dpi);
}

void BarPanel::OnCommand(int id, int code, HWND control) {
  SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

LRESULT BarPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORBTN) {
    const HDC dc = reinterpret_cast<HDC>(wParam);
    if (HBRUSH brush = ui::CustomColours(dc, GetSysColor(COLOR_BTNTEXT), Background(), BackgroundBrush())) {
      return reinterpret_cast<LRESULT>(brush);
    }
  }
  return Window::OnMessage(message, wParam, lParam);
}

BarWindow::BarWindow(const BarServices& services, const BarHost& host, std::wstring appPath, RandomSource random)
    : services_(services), host_(host), appPath_(std::move(appPath)), random_(std::move(random)) {}

bool BarWindow::Open() {
  ui::WindowOptions options;
  options.className = L"VelmoraBar";
  options.caption = L"Velmora";
  options.style = WS_POPUP | WS_CLIPCHILDREN;
  options.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  options.clientWidthTwips = kBarWidthTwips;
  options.clientHeightTwips = kBarHeightTwips;
  options.placement = ui::Placement::Explicit;
  options.background = kBarColour;
  if (!Create(options)) return false;
  ui::DisableWindowTransitions(Handle());  // it hides for every continuous shot
  return true;
}

void BarWindow::OnCreate() {
  tracker_ = std::make_unique<ForegroundTracker>(reinterpret_cast<std::uintptr_t>(Handle()));
  if (services_.registerHotKeys) services_.registerHotKeys(Handle());
  panel_.Open(Handle());
  PlaceInCorner();
  timer2_.Start(Handle(), kTimer2, kTrackingMs);
  // The lists are read, and the home page opened, just after the bar shows:
  // a posted message comes before any click or key, so no menu can open
  // without its lists.
  PostMessageW(Handle(), kLoadMenus, 0, 0);
}

void BarWindow::LoadMenus() {
  if (menusLoaded_) return;
  menusLoaded_ = true;
  if (services_.loadMenus) lists_ = services_.loadMenus(appPath_);
  popup_.Build(tree_, lists_);
  // The result of opening the page is not examined: no browser, no message.
  if (HomePageDue(random_)) ui::ShellOpen(Handle(), maker::kWebAddress);
}

void BarWindow::PlaceInCorner() {
  const UINT dpi = Dpi();
  RECT work{};
  // Where there is no taskbar the work area is the whole screen.
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
    work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  const Point corner = CornerPosition({ui::PixelsToTwips(work.right, dpi), ui::PixelsToTwips(work.bottom, dpi)},
                                      kBarWidthTwips, kBarHeightTwips);
  SetWindowPos(Handle(), HWND_TOPMOST, ui::TwipsToPixels(corner.x, dpi), ui::TwipsToPixels(corner.y, dpi),
               Px(kBarWidthTwips), Px(kBarHeightTwips), SWP_NOACTIVATE);
}

void BarWindow::OnDpiChanged(UINT dpi) {
  SetWindowPos(Handle(), nullptr, 0, 0, Px(kBarWidthTwips), Px(kBarHeightTwips),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  panel_.Relayout(dpi);
}

void BarWindow::OnTimer(UINT_PTR id) {
  if (id == kTimer2) tracker_->Tick(reinterpret_cast<std::uintptr_t>(GetForegroundWindow()));
}

void BarWindow::OnCommand(int id, int code, HWND control) {
  if (id == kCmdInput && !control) {
    if (const MenuItem* item = tree_.Find(L"mnuInput")) RunAction(*item);
    return;
  }
  if (code != BN_CLICKED) return;
  if (id == kCmdData) PopUpMenu();
  if (id == kCmdCap && services_.capture) services_.capture(1, Handle());
}

void BarWindow::PopUpMenu() {
  LoadMenus();
  POINT at{};
  GetCursorPos(&at);
  Run(popup_.Track(Handle(), at));
}

void BarWindow::Run(UINT commandId) {
  const PopupMenu::Key* key = popup_.KeyOf(commandId);
  if (!key) return;
  if (lists_.contains(key->name)) return ChooseEntry(key->name, key->index);
  if (const MenuItem* item = tree_.Find(key->name, key->index)) RunAction(*item);
}

void BarWindow::HideWhile(const std::function<void()>& show) {
  Show(SW_HIDE);
  if (show) show();
  // Shown without taking the focus from the window just opened; the bar is
  // top-most, so it is in view all the same.
  Show(SW_SHOWNA);
}

void BarWindow::RunAction(const MenuItem& item) {
  const HWND bar = Handle();
  switch (item.action) {
    case MenuAction::Help: HideWhile(host_.showHelp); break;
    case MenuAction::About: HideWhile(host_.showAbout); break;
    case MenuAction::Customise: HideWhile(nullptr); break;
    case MenuAction::HomePage: ui::ShellOpen(bar, maker::kWebAddress); break;
    case MenuAction::StatementInput:
      if (services_.showStatementInput) services_.showStatementInput(bar);
      break;
    case MenuAction::Capture1:
    case MenuAction::Capture2:
    case MenuAction::Capture3:
      // The screen is read once the chosen item's fade has left it.
      ui::WaitForMenuFade();
      if (services_.capture) services_.capture(static_cast<int>(item.action) - static_cast<int>(MenuAction::Capture1) + 1, bar);
      break;
    case MenuAction::Exit: {
      const BarHost host = host_;  // the bar is gone after Destroy
      Destroy();
      if (host.exitProgram) host.exitProgram();
      break;
    }
    case MenuAction::Entry:
      ChooseEntry(item.name, item.index);
      break;
    case MenuAction::None: break;
  }
}

void BarWindow::ChooseEntry(const std::wstring& array, int index) {
  if (!services_.chooseEntry) return;
  std::wstring value;
  const auto list = lists_.find(array);
  if (list != lists_.end() && index >= 1 && static_cast<std::size_t>(index) <= list->second.size()) {
    value = list->second[static_cast<std::size_t>(index) - 1].value;
  } else if (const MenuItem* first = tree_.Find(array, index)) {
    value = first->caption;  // nothing read: element 1 as the tree has it
  } else {
    return;
  }
  services_.chooseEntry({array, index, std::move(value), Handle(), TargetWindow()});
}

void BarWindow::OnPress(MouseButton button, LPARAM lParam) {
  if (drag_.Press(button, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) == BarDrag::PressResult::PopUpMenu) {
    PopUpMenu();
    return;
  }
  // Capturing the mouse keeps the moves coming when the cursor leaves the bar.
  SetCapture(Handle());
  SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
}

void BarWindow::OnDrag() {
  POINT cursor{};
  GetCursorPos(&cursor);
  if (const auto to = drag_.Move({cursor.x, cursor.y})) {
    MoveWindow(Handle(), to->x, to->y, Px(kBarWidthTwips), Px(kBarHeightTwips), TRUE);
  }
}

void BarWindow::OnKey(WPARAM key) {
  if (key == VK_ESCAPE) Destroy();
  if (key == VK_F1 && host_.showHelp) host_.showHelp();
}

LRESULT BarWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnPress(MouseButton::Left, lParam); return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: OnPress(MouseButton::Middle, lParam); return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: OnPress(MouseButton::Right, lParam); return 0;
    case WM_MOUSEMOVE: OnDrag(); return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
      if (drag_.Dragging()) ReleaseCapture();  // WM_CAPTURECHANGED ends the drag
      return 0;
    case WM_CAPTURECHANGED:
      drag_.Release();
      SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      return 0;
    case WM_SETCURSOR:
      if (drag_.Dragging()) {
        SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
        return TRUE;
      }
      break;
    case WM_KEYDOWN: OnKey(wParam); return 0;
    case WM_INITMENUPOPUP: popup_.Opening(reinterpret_cast<HMENU>(wParam)); return 0;
    case kLoadMenus: LoadMenus(); return 0;
    case WM_DESTROY:
      timer2_.Stop();
      if (services_.unregisterHotKeys) services_.unregisterHotKeys(Handle());
      break;
    default: break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

}  // namespace velmora
