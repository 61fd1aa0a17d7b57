#include "calculators/chaincalc/chaincalc_window.h"

#include "calculators/common/greeting.h"
#include "ui/system.h"

namespace chaincalc {
namespace {

// Control ids: each control array takes its base plus the element's index.
enum Id : int {
  kLabel1 = 100,   // row titles
  kLabel2 = 200,   // operator and equals signs
  kText1 = 300,    // the twelve boxes
  kCommand1 = 400, // chain buttons, one per row
  kCmdQuit = 500, kCmdHelp,
};

// The signs' font is taller than their labels: centred on the label's middle
// the sign itself stays in view whatever the font's ascent.
constexpr DWORD kSignStyle = SS_CENTERIMAGE;

using ui::ControlKind;
constexpr ui::ControlSpec kLayout[] = {
    {kLabel1 + 0, ControlKind::Label, L"加：", 150, 225, 855, 375},
    {kText1 + 0, ControlKind::Edit, L"", 120, 600, 855, 375},
    {kLabel2 + 0, ControlKind::Label, L"＋", 1140, 600, 255, 255, kSignStyle},
    {kText1 + 1, ControlKind::Edit, L"", 1620, 600, 855, 405},
    {kLabel2 + 19, ControlKind::Label, L"＝", 2640, 600, 255, 255, kSignStyle},
    {kText1 + 2, ControlKind::Edit, L"", 3120, 600, 1335, 375},
    {kCommand1 + 0, ControlKind::Button, L"连加", 4680, 600, 615, 375},
    {kLabel1 + 6, ControlKind::Label, L"减：", 240, 1280, 855, 375},
    {kText1 + 3, ControlKind::Edit, L"", 120, 1640, 855, 375},
    {kLabel2 + 22, ControlKind::Label, L"－", 1140, 1680, 255, 255, kSignStyle},
    {kText1 + 4, ControlKind::Edit, L"", 1620, 1635, 855, 405},
    {kLabel2 + 18, ControlKind::Label, L"＝", 2640, 1680, 255, 255, kSignStyle},
    {kText1 + 5, ControlKind::Edit, L"", 3120, 1635, 1335, 375},
    {kCommand1 + 1, ControlKind::Button, L"连减", 4680, 1640, 615, 375},
    {kLabel1 + 7, ControlKind::Label, L"乘：", 240, 2320, 855, 375},
    {kText1 + 6, ControlKind::Edit, L"", 120, 2680, 855, 375},
    {kLabel2 + 21, ControlKind::Label, L"×", 1140, 2760, 255, 255, kSignStyle},
    {kText1 + 7, ControlKind::Edit, L"", 1620, 2685, 855, 405},
    {kLabel2 + 17, ControlKind::Label, L"＝", 2640, 2760, 255, 255, kSignStyle},
    {kText1 + 8, ControlKind::Edit, L"", 3120, 2685, 1335, 375},
    {kCommand1 + 2, ControlKind::Button, L"连乘", 4680, 2680, 615, 375},
    {kLabel1 + 5, ControlKind::Label, L"除：", 240, 3360, 855, 375},
    {kText1 + 9, ControlKind::Edit, L"", 120, 3720, 855, 375},
    {kLabel2 + 20, ControlKind::Label, L"÷", 1140, 3840, 255, 255, kSignStyle},
    {kText1 + 10, ControlKind::Edit, L"", 1620, 3720, 855, 405},
    {kLabel2 + 16, ControlKind::Label, L"＝", 2640, 3840, 255, 255, kSignStyle},
    {kText1 + 11, ControlKind::Edit, L"", 3120, 3720, 1335, 375},
    {kCommand1 + 3, ControlKind::Button, L"连除", 4680, 3720, 615, 375},
    {kCmdQuit, ControlKind::Button, L"退出", 1185, 4350, 735, 375},
    {kCmdHelp, ControlKind::Button, L"帮助", 3000, 4320, 735, 375},
};

constexpr int kRowTitles[] = {kLabel1 + 0, kLabel1 + 6, kLabel1 + 7, kLabel1 + 5};
constexpr int kSigns[] = {kLabel2 + 0,  kLabel2 + 19, kLabel2 + 22, kLabel2 + 18,
                          kLabel2 + 21, kLabel2 + 17, kLabel2 + 20, kLabel2 + 16};
constexpr int kButtons[] = {kCommand1, kCommand1 + 1, kCommand1 + 2, kCommand1 + 3, kCmdQuit, kCmdHelp};

// 14.25 and 15.75 points, the sizes of 19 and 21 pixels at 96 DPI, to the
// nearest tenth of a point.
constexpr ui::FontSpec kBoxFont{L"楷体_GB2312", 143};
constexpr ui::FontSpec kSignFont{L"楷体_GB2312", 158};
constexpr ui::FontSpec kButtonFont{L"宋体", 105};
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kDarkBlue = RGB(0, 0, 192);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);

}  // namespace

bool ChaincalcWindow::Open() {
  return Create({.className = L"VelmoraChaincalc", .caption = L"Chaincalc四则运算",
                 .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, .clientWidthTwips = 5415,
                 .clientHeightTwips = 5010, .background = kLightGrey, .quitWhenDestroyed = true});
}

void ChaincalcWindow::OnCreate() {
  controls_.Create(Handle(), kLayout, kBoxFont);
  ApplyFontsAndColors();
  std::vector<HWND> boxes;
  for (std::size_t box = 0; box < ChaincalcModel::kBoxCount; ++box) {
    boxes.push_back(controls_.Get(kText1 + static_cast<int>(box)));
  }
  boxes_ = std::make_unique<ui::TextBoxBinding<ChaincalcModel>>(model_, std::move(boxes));
  boxes_->Show();
}

void ChaincalcWindow::ApplyFontsAndColors() {
  for (const int id : kSigns) {
    controls_.SetFont(id, kSignFont);
    controls_.SetTextColor(id, kRed);
  }
  for (const int id : kButtons) controls_.SetFont(id, kButtonFont);
  for (const int id : kRowTitles) controls_.SetTextColor(id, kRed);
  for (int box = 0; box < static_cast<int>(ChaincalcModel::kBoxCount); ++box) {
    controls_.SetTextColor(kText1 + box, kDarkBlue);
  }
}

void ChaincalcWindow::OnCommand(int id, int code, HWND control) {
  if (code == EN_CHANGE && boxes_) {
    boxes_->OnEditChange(control);
  } else if (code != BN_CLICKED) {
    return;
  } else if (id >= kCommand1 && id <= kCommand1 + 3) {
    model_.Chain(static_cast<Row>(id - kCommand1));
    boxes_->Show();
  } else if (id == kCmdQuit) {
    Destroy();
  } else if (id == kCmdHelp) {
    ShowHelp();
  }
}

void ChaincalcWindow::ShowHelp() const {
  ui::ShowInformation(Handle(), calc::Greeting(L"您好"), L"Chaincalc");
}

}  // namespace chaincalc

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) { return ui::RunOnlyWindow<chaincalc::ChaincalcWindow>(show); }
