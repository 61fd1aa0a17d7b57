#include "calculators/interpolation/interpolation_window.h"

#include "ui/system.h"

namespace interpolation {
namespace {

enum Id : int {
  kLabel1 = 100,  // x1, y1, x2, y2, x, y
  kText1 = 200,   // the boxes, in the model's order
  kCommand2 = 300, kCommand1,
};

using ui::ControlKind;
constexpr ui::ControlSpec kLayout[] = {
    {kLabel1 + 0, ControlKind::Label, L"x1:", 120, 210, 500, 255},
    {kText1 + 0, ControlKind::Edit, L"", 720, 210, 1400, 375},
    {kLabel1 + 1, ControlKind::Label, L"y1:", 3000, 210, 495, 255},
    {kText1 + 1, ControlKind::Edit, L"", 3720, 210, 1400, 375},
    {kLabel1 + 2, ControlKind::Label, L"x2:", 120, 780, 495, 255},
    {kText1 + 2, ControlKind::Edit, L"", 720, 720, 1400, 375},
    {kLabel1 + 3, ControlKind::Label, L"y2:", 3000, 780, 495, 255},
    {kText1 + 3, ControlKind::Edit, L"", 3720, 720, 1400, 375},
    {kLabel1 + 4, ControlKind::Label, L"x:", 120, 1410, 495, 255},
    {kText1 + 4, ControlKind::Edit, L"", 720, 1350, 1400, 375},
    {kLabel1 + 5, ControlKind::Label, L"y:", 3000, 1410, 495, 255},
    {kText1 + 5, ControlKind::Edit, L"", 3720, 1350, 1400, 375},
    {kCommand2, ControlKind::Button, L"复制", 840, 1920, 1095, 375},
    {kCommand1, ControlKind::Button, L"退出", 3240, 1920, 1095, 375},
};

constexpr int BoxId(std::size_t box) { return kText1 + static_cast<int>(box); }
constexpr int kResultId = BoxId(InterpolationModel::kY);

// Line1: the separator between the x column and the y column.
constexpr ui::LineSpec kLines[] = {{2520, 120, 2520, 1920}};

}  // namespace

bool InterpolationWindow::Open() {
  // Resizable; the controls keep their places.
  if (!Create({.className = L"VelmoraInterpolation", .caption = L"插值", .style = WS_OVERLAPPEDWINDOW,
               .clientWidthTwips = 5220, .clientHeightTwips = 2505, .placement = ui::Placement::SystemDefault,
               .quitWhenDestroyed = true})) return false;
  // Top-most from load, at the place and size the system gave the window.
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void InterpolationWindow::OnCreate() {
  controls_.Create(Handle(), kLayout, {L"宋体", 120});
  lines_ = kLines;
  std::vector<HWND> edits;
  for (std::size_t box = 0; box < InterpolationModel::kBoxCount; ++box) edits.push_back(controls_.Get(BoxId(box)));
  boxes_ = std::make_unique<ui::TextBoxBinding<InterpolationModel>>(model_, std::move(edits));
}

void InterpolationWindow::OnCommand(int id, int code, HWND control) {
  if (code == EN_CHANGE && boxes_) {
    if (boxes_->OnEditChange(control)) ShowResultColor();
  } else if (id == kCommand2 && code == BN_CLICKED) {
    CopyResult();
  } else if (id == kCommand1 && code == BN_CLICKED) {
    Destroy();
  }
}

void InterpolationWindow::ShowResultColor() {
  const bool red = model_.ResultIsError();
  if (red == resultRed_) return;
  resultRed_ = red;
  controls_.SetTextColor(kResultId, red ? RGB(255, 0, 0) : RGB(0, 0, 0));
}

void InterpolationWindow::CopyResult() const {
  // Exactly what the box shows, the error word included. A clipboard held by
  // another program leaves it unchanged; there is nothing to report.
  ui::SetClipboardText(Handle(), ui::GetText(controls_.Get(kResultId)));
}

}  // namespace interpolation

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) { return ui::RunOnlyWindow<interpolation::InterpolationWindow>(show); }
