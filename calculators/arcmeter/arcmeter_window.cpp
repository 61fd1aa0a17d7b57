#include "calculators/arcmeter/arcmeter_window.h"

#include <uxtheme.h>

#include "calculators/common/greeting.h"
#include "ui/maker.h"
#include "ui/system.h"

namespace arcmeter {
namespace {

// Control ids: the text-box array Text1 takes 200 + its index.
enum Id : int {
  kOption1Circle = 100, kOption1Arc,
  kLabel1Radius = 110, kLabel1Diameter, kLabel1Thickness, kLabel1Perimeter, kLabel1ArcLength,
  kLabel1Area, kLabel1Chord, kLabel1Density, kLabel1Weight,
  kText1 = 200, kText2 = 210,
  kCommand1 = 300, kCommand2,
};

constexpr int Text1(ArcmeterModel::Box box) { return kText1 + static_cast<int>(box); }

// A label too narrow for its text in the font at hand is cut at its right
// edge rather than losing whole words to a hidden second line.
constexpr DWORD kNoWrap = SS_LEFTNOWORDWRAP;

using ui::ControlKind;
using Box = ArcmeterModel::Box;
constexpr ui::ControlSpec kLayout[] = {
    {kOption1Circle, ControlKind::OptionButton, L"圆", 240, 240, 615, 375, 0, true},
    {kOption1Arc, ControlKind::OptionButton, L"弧  圆心角(·)", 1440, 240, 2055, 375},
    {Text1(Box::kAngle), ControlKind::Edit, L"", 3240, 240, 855, 375, WS_GROUP | WS_DISABLED},
    {kLabel1Radius, ControlKind::Label, L"半径(mm)", 120, 720, 1335, 375, kNoWrap},
    {Text1(Box::kRadius), ControlKind::Edit, L"", 1200, 720, 855, 375},
    {kLabel1Diameter, ControlKind::Label, L"直径(mm)", 2280, 720, 975, 375, kNoWrap},
    {kText2, ControlKind::Edit, L"", 3240, 720, 855, 375},
    {kLabel1Perimeter, ControlKind::Label, L"周长(mm)", 120, 1260, 1335, 375, kNoWrap},
    {Text1(Box::kPerimeter), ControlKind::Edit, L"", 1200, 1245, 2880, 375},
    {kLabel1Area, ControlKind::Label, L"面积(mm2)", 120, 1800, 1335, 375, kNoWrap},
    {Text1(Box::kArea), ControlKind::Edit, L"", 1200, 1770, 2880, 375},
    {kLabel1ArcLength, ControlKind::Label, L"弧长(mm)", 120, 2340, 1335, 375, kNoWrap},
    {Text1(Box::kArcLength), ControlKind::Edit, L"", 1200, 2295, 2880, 375},
    {kLabel1Chord, ControlKind::Label, L"弦长(mm)", 120, 2880, 1335, 255, kNoWrap},
    {Text1(Box::kChord), ControlKind::Edit, L"", 1200, 2820, 2880, 375},
    {kLabel1Thickness, ControlKind::Label, L"厚度(mm)", 120, 3600, 1335, 375, kNoWrap},
    {Text1(Box::kThickness), ControlKind::Edit, L"", 1560, 3510, 1455, 375},
    {kLabel1Density, ControlKind::Label, L"密度(kg/m3)", 120, 4140, 1575, 375, kNoWrap},
    {Text1(Box::kDensity), ControlKind::Edit, L"", 1560, 4035, 1455, 375},
    {kLabel1Weight, ControlKind::Label, L"重量(kg)", 120, 4680, 1335, 255, kNoWrap},
    {Text1(Box::kWeight), ControlKind::Edit, L"", 1560, 4560, 1440, 375},
    {kCommand1, ControlKind::Button, L"退出", 3240, 3720, 735, 375},
    {kCommand2, ControlKind::Button, L"帮助", 3255, 4440, 735, 375},
};

constexpr ui::FontSpec kCaptionFont{L"宋体", 105};
constexpr ui::FontSpec kBoxFont{L"宋体", 120};
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kPurple = RGB(128, 0, 128);

// Line1: the separator between the circle's results and the plate.
constexpr ui::LineSpec kLines[] = {{120, 3345, 5400, 3345}};

}  // namespace

bool ArcmeterWindow::Open() {
  return Create({.className = L"VelmoraArcmeter", .caption = std::wstring(L"圆和圆弧周长面积计算  ") + maker::kWebAddress,
                 .style = WS_OVERLAPPEDWINDOW, .clientWidthTwips = 4185, .clientHeightTwips = 5040,
                 .quitWhenDestroyed = true});
}

void ArcmeterWindow::OnCreate() {
  controls_.Create(Handle(), kLayout, kCaptionFont);
  lines_ = kLines;
  std::vector<HWND> boxes;
  for (std::size_t box = 0; box < Box::kDiameter; ++box) {
    const int id = Text1(static_cast<Box>(box));
    controls_.SetFont(id, kBoxFont);
    boxes.push_back(controls_.Get(id));
  }
  controls_.SetFont(kText2, kBoxFont);
  boxes.push_back(controls_.Get(kText2));
  ApplyColors();
  SendMessageW(controls_.Get(kOption1Circle), BM_SETCHECK, BST_CHECKED, 0);
  boxes_ = std::make_unique<ui::TextBoxBinding<ArcmeterModel>>(model_, std::move(boxes));
  boxes_->Show();
}

void ArcmeterWindow::ApplyColors() {
  for (int id = kLabel1Radius; id <= kLabel1Weight; ++id) controls_.SetTextColor(id, kBlue);
  for (const int id : {static_cast<int>(kOption1Circle), static_cast<int>(kOption1Arc)}) {
    controls_.SetTextColor(id, kBlue);
    // Themed option buttons draw their text in the theme's colour; the
    // classic look keeps the blue.
    SetWindowTheme(controls_.Get(id), L"", L"");
  }
  for (const Box box : {Box::kAngle, Box::kRadius, Box::kThickness}) controls_.SetTextColor(Text1(box), kBlue);
  controls_.SetTextColor(kText2, kBlue);
  controls_.SetTextColor(Text1(Box::kDensity), kPurple);
}

void ArcmeterWindow::OnOptionClick(Mode mode) {
  // The angle box follows the mode before the recalculation reads it.
  EnableWindow(controls_.Get(Text1(Box::kAngle)), mode == Mode::Arc);
  model_.Select(mode);
  boxes_->Show();
}

void ArcmeterWindow::OnCommand(int id, int code, HWND control) {
  if (code == EN_CHANGE && boxes_) {
    boxes_->OnEditChange(control);
  } else if (code != BN_CLICKED) {
    return;
  } else if (id == kOption1Circle) {
    OnOptionClick(Mode::Circle);
  } else if (id == kOption1Arc) {
    OnOptionClick(Mode::Arc);
  } else if (id == kCommand1) {
    Destroy();
  } else if (id == kCommand2) {
    ShowHelp();
  }
}

void ArcmeterWindow::ShowHelp() const {
  ui::ShowInformation(Handle(), calc::Greeting(L"你好"), L"计算周长、面积的小程序");
}

}  // namespace arcmeter

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) { return ui::RunOnlyWindow<arcmeter::ArcmeterWindow>(show); }
