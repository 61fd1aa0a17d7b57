#include "velmora/info/help_window.h"

#include <string>

#include "ui/maker.h"
#include "ui/system.h"
#include "velmora/info/brand_panel.h"
#include "velmora/info/brand_rules.h"
#include "velmora/info/help_text.h"

namespace velmora {

bool HelpWindow::Open() {
  ui::WindowOptions options;
  options.className = L"VelmoraHelp";
  options.caption = L"Tesmarin帮助";
  options.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
  options.exStyle = WS_EX_DLGMODALFRAME;
  options.clientWidthTwips = 9945;
  options.clientHeightTwips = 7935;
  options.background = RGB(255, 192, 255);
  return Create(options);
}

void HelpWindow::OnCreate() {
  using ui::ControlKind;
  const std::wstring web = L"Web:" + ShownWebAddress(maker::kWebAddress);
  const std::wstring mail = L"Email:" + ShownMailAddress(maker::kMailAddress);
  const std::wstring qq = std::wstring(L"QQ:") + maker::kQqNumber;
  const std::wstring help = HelpText();
  // 确定 comes first in the tab order.
  const ui::ControlSpec table[] = {
      {kCmdOK, ControlKind::Button, L"确定", 6975, 7470, 1110, 345},
      {kCmdAbout, ControlKind::Button, L"关于", 8550, 7470, 1110, 345},
      {kLabel1, ControlKind::Label, L"Velmora", 2040, 45, 3255, 555},
      {kLblVersion, ControlKind::Label, L"", 5940, 360, 1710, 300},
      {kLabWeb, ControlKind::Label, web.c_str(), 120, 825, 2805, 360},
      {kLabEmai, ControlKind::Label, mail.c_str(), 3090, 825, 3180, 360},
      {kLabQQ, ControlKind::Label, qq.c_str(), 6435, 825, 1725, 360},
      {kTxtHelp, ControlKind::MultiLineEdit, help.c_str(), 90, 1230, 9630, 6015, ES_READONLY},
  };
  controls_.Create(Handle(), table, {L"宋体", 90});
  controls_.SetFont(kLabel1, {L"MS Sans Serif", 240, true});
  ui::SetText(controls_.Get(kLblVersion), HelpVersionText(ui::ProgramVersionText()));
  FitFont(controls_, kLblVersion, {L"隶书", 150});
  for (int id : {kLabWeb, kLabEmai, kLabQQ}) FitFont(controls_, id, {L"宋体", 135});
  SetFocus(controls_.Get(kCmdOK));
}

void HelpWindow::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return;
  if (id == kCmdOK || id == IDCANCEL) Destroy();
  if (id == kCmdAbout && showAbout_) showAbout_();
}

LRESULT HelpWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLOREDIT) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    const HDC dc = reinterpret_cast<HDC>(wParam);
    // The help text sits on the window's own colour.
    if (control == controls_.Get(kTxtHelp)) {
      if (HBRUSH brush = ui::CustomColours(dc, GetSysColor(COLOR_WINDOWTEXT), Background(), BackgroundBrush())) {
        return reinterpret_cast<LRESULT>(brush);
      }
    }
  }
  return FormWindow::OnMessage(message, wParam, lParam);
}

}  // namespace velmora
