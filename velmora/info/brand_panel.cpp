#include "velmora/info/brand_panel.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "ui/maker.h"
#include "ui/os_functions.h"
#include "ui/system.h"
#include "velmora/info/help_text.h"

namespace velmora {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr UINT kLinkHover = WM_APP + 1;  // wParam: the label's id
constexpr UINT kLabelClicked = WM_APP + 2;  // wParam: the label's id

// The maker's other programs, all in the folder "Kelvo软件".
constexpr const wchar_t* kProgramsText1 = L"Arcmeter\r\n圆、圆弧周长面积及板重\r\nChaincalc\r\n四行连续加减乘除";
constexpr const wchar_t* kProgramsText2 = L"Lmtdcalc\r\n换热器平均温差计算\r\n插值  计时\r\n线性插值与秒表";

// The version and link labels act on a click, a press and a release on the
// same label: a press dragged off the label does nothing. Acting on the
// press would close the window under the held button, and the release would
// then go to whatever lies beneath. The link labels also tell the window
// when the pointer is over them (they take the mouse, so the window itself
// would not see it) and show the hand.
LRESULT CALLBACK ClickLabel(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR isLink) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(label);
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == label) {
        ReleaseCapture();
        RECT r{};
        GetClientRect(label, &r);
        // Posted: the window may go once the label has finished with the release.
        if (PtInRect(&r, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
          PostMessageW(GetParent(label), kLabelClicked, static_cast<WPARAM>(GetDlgCtrlID(label)), 0);
        }
      }
      return 0;
    case WM_MOUSEMOVE:
      if (isLink) SendMessageW(GetParent(label), kLinkHover, static_cast<WPARAM>(GetDlgCtrlID(label)), 0);
      break;
    case WM_SETCURSOR:
      if (!isLink) break;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_NCDESTROY:
      RemoveWindowSubclass(label, ClickLabel, 1);
      break;
    default: break;
  }
  return DefSubclassProc(label, message, wParam, lParam);
}

}  // namespace

void FitFont(ui::ControlSet& controls, int id, ui::FontSpec font) {
  const HWND control = controls.Get(id);
  const std::wstring text = ui::GetText(control);
  RECT room{};
  GetClientRect(control, &room);
  ui::WindowDc dc(control);
  // The trial fonts are the set's own: labels fitted alike try the same
  // sizes, and the size that fits is then already made.
  font.tenthsOfPoint = FittingFontSize(font.tenthsOfPoint, {room.right, room.bottom}, [&](int size) {
    ui::FontSpec trial = font;
    trial.tenthsOfPoint = size;
    const ui::SelectionGuard select(dc.get(), controls.FontFor(trial));
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return TextExtent{extent.cx, extent.cy};
  });
  controls.SetFont(id, font);
}

void BrandWindow::CreateControls(const BrandLayout& l) {
  using ui::ControlKind;
  static const std::wstring web = L"Web:" + ShownWebAddress(maker::kWebAddress);
  static const std::wstring mail = L"Email:" + ShownMailAddress(maker::kMailAddress);
  static const std::wstring qq = std::wstring(L"QQ:") + maker::kQqNumber;
  const auto& f = l.frame1;
  // A face with Chinese glyphs: the boxes' text is Chinese.
  static constexpr ui::FontSpec kBoxFont{L"宋体", 120};
  static constexpr ui::FontSpec kTitleFont{L"MS Sans Serif", 240, true};
  // The boxes come before the frame so that they are drawn over it.
  const ui::ControlSpec table[] = {
      {kLabel1, ControlKind::Label, L"Velmora", l.label1.left, l.label1.top, l.label1.width, l.label1.height, 0,
       false, &kTitleFont},
      {kLblVersion, ControlKind::Label, L"", l.lblVersion.left, l.lblVersion.top, l.lblVersion.width,
       l.lblVersion.height},
      {kLabWeb, ControlKind::Label, web.c_str(), l.labWeb.left, l.labWeb.top, l.labWeb.width, l.labWeb.height},
      {kLabEmail, ControlKind::Label, mail.c_str(), l.labEmail.left, l.labEmail.top, l.labEmail.width,
       l.labEmail.height},
      {kLabQQ, ControlKind::Label, qq.c_str(), l.labQQ.left, l.labQQ.top, l.labQQ.width, l.labQQ.height},
      {kText1, ControlKind::MultiLineEdit, kProgramsText1, f.left + 135, f.top + 195, 4200, 1665, ES_READONLY,
       false, &kBoxFont},
      {kText2, ControlKind::MultiLineEdit, kProgramsText2, f.left + 4440, f.top + 195, 4200, 1665, ES_READONLY,
       false, &kBoxFont},
      {kFrame1, ControlKind::Frame, L"", f.left, f.top, f.width, f.height},
      {kLbl, ControlKind::Label, l.message, l.lbl.left, l.lbl.top, l.lbl.width, l.lbl.height},
  };
  controls_.Create(Handle(), table, {L"宋体", 105});
  ui::SetText(controls_.Get(kLblVersion), SplashVersionText(ui::ProgramVersionText()));
  FitFont(controls_, kLblVersion, {L"隶书", l.versionTenthsOfPoint});
  for (int id : {kLabWeb, kLabEmail, kLabQQ}) FitFont(controls_, id, {L"宋体", 135});
  for (int id : {kLabWeb, kLabEmail}) {
    controls_.SetTextColor(id, kBlack);
    SetWindowSubclass(controls_.Get(id), ClickLabel, 1, TRUE);
  }
  SetWindowSubclass(controls_.Get(kLblVersion), ClickLabel, 1, FALSE);
}

void BrandWindow::ShowBarAndClose() {
  if (showBar_) showBar_();
  Destroy();
}

void BrandWindow::Hover(LinkHover::Over where) {
  const bool webWas = links_.WebBlue(), mailWas = links_.MailBlue();
  links_.Move(where);
  if (links_.WebBlue() != webWas) controls_.SetTextColor(kLabWeb, links_.WebBlue() ? kBlue : kBlack);
  if (links_.MailBlue() != mailWas) controls_.SetTextColor(kLabEmail, links_.MailBlue() ? kBlue : kBlack);
}

void BrandWindow::OnLabelClicked(int id) {
  // Failures to open a browser or a mail program are not reported.
  if (id == kLabWeb) ui::ShellOpen(Handle(), maker::kWebAddress);
  if (id == kLabEmail) ui::ShellOpen(Handle(), maker::kMailAddress);
  if (id == kLblVersion) ShowBarAndClose();
}

LRESULT BrandWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kLinkHover:
      Hover(wParam == kLabWeb ? LinkHover::Over::Web : LinkHover::Over::Mail);
      return 0;
    case kLabelClicked:
      OnLabelClicked(static_cast<int>(wParam));
      return 0;
    case WM_MOUSEMOVE:
      Hover(LinkHover::Over::Background);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
      const HWND control = reinterpret_cast<HWND>(lParam);
      // The read-only boxes keep a text box's white.
      if (control == controls_.Get(kText1) || control == controls_.Get(kText2)) {
        if (HBRUSH brush = ui::CustomColours(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT),
                                             GetSysColor(COLOR_WINDOW), GetSysColorBrush(COLOR_WINDOW))) {
          return reinterpret_cast<LRESULT>(brush);
        }
        break;
      }
      if (HBRUSH brush = controls_.Colorize(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                            Background(), BackgroundBrush())) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    }
    case WM_CLOSE:
      ShowBarAndClose();
      return 0;
    default: break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

}  // namespace velmora
