#include "calculators/lmtd/lmtd_window.h"

#include "calculators/common/greeting.h"
#include "ui/system.h"

namespace lmtd {
namespace {

enum Id : int {
  kLabel1 = 100, kLabel2, kLabel3, kLabel4,
  kText1Inlet = 200, kText1Outlet, kText1Medium, kText4,
  kCommand1 = 300, kCmdHelp,
};

using ui::ControlKind;
constexpr ui::ControlSpec kLayout[] = {
    {kLabel1, ControlKind::Label, L"进口烟温", 480, 360, 1215, 495},
    {kText1Inlet, ControlKind::Edit, L"", 2160, 360, 2000, 495},
    {kLabel2, ControlKind::Label, L"出口烟温", 480, 1240, 1215, 495},
    {kText1Outlet, ControlKind::Edit, L"", 2160, 1080, 2000, 495},
    {kLabel3, ControlKind::Label, L"介质温度", 480, 2120, 1215, 495},
    {kText1Medium, ControlKind::Edit, L"", 2160, 1920, 2000, 495},
    {kLabel4, ControlKind::Label, L"温差", 480, 3000, 1215, 495},
    {kText4, ControlKind::Edit, L"", 2160, 2880, 2000, 495},
    {kCommand1, ControlKind::Button, L"退出", 960, 3585, 735, 375},
    {kCmdHelp, ControlKind::Button, L"帮助", 2775, 3555, 735, 375},
};

}  // namespace

bool LmtdWindow::Open() {
  return Create({.className = L"VelmoraLmtdcalc", .caption = L"计算温差",
                 .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, .clientWidthTwips = 4680,
                 .clientHeightTwips = 4095, .quitWhenDestroyed = true});
}

void LmtdWindow::OnCreate() {
  controls_.Create(Handle(), kLayout, {L"宋体", 120});
  boxes_ = std::make_unique<ui::TextBoxBinding<LmtdModel>>(
      model_, std::vector<HWND>{controls_.Get(kText1Inlet), controls_.Get(kText1Outlet),
                                controls_.Get(kText1Medium), controls_.Get(kText4)});
  boxes_->Show();
}

void LmtdWindow::OnCommand(int id, int code, HWND control) {
  if (code == EN_CHANGE && boxes_) {
    boxes_->OnEditChange(control);
  } else if (id == kCommand1 && code == BN_CLICKED) {
    Destroy();
  } else if (id == kCmdHelp && code == BN_CLICKED) {
    ShowHelp();
  }
}

void LmtdWindow::ShowHelp() const {
  const std::wstring text =
      calc::Greeting(L"您好") + L"\r算法,如果大温差/小温差<1.7则取平均值，否则取(dtmax - dtmin) / Le(dtmax / dtmin)";
  ui::ShowInformation(Handle(), text, L"Lmtdcalc");
}

}  // namespace lmtd

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) { return ui::RunOnlyWindow<lmtd::LmtdWindow>(show); }
