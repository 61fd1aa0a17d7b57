#include "calculators/stopwatch/stopwatch_window.h"

#include "ui/maker.h"

namespace stopwatch {
namespace {

enum Id : int {
  kLbl = 100,
  kTxtTime = 200,
  kCmdHelp = 300, kCmdBegin, kCmdStop, kCmdClose,
};

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTickMilliseconds = 50;

using ui::ControlKind;
constexpr ui::ControlSpec kLayout[] = {
    {kLbl, ControlKind::Label, L"计时(分:秒)", 240, 420, 900, 195},
    {kTxtTime, ControlKind::Edit, L" ", 1440, 300, 1335, 435},
    {kCmdHelp, ControlKind::Button, L"主页", 3000, 337, 855, 360},
    {kCmdBegin, ControlKind::Button, L"开始", 240, 1080, 735, 360},
    {kCmdStop, ControlKind::Button, L"结束", 1440, 1080, 735, 360},
    {kCmdClose, ControlKind::Button, L"关闭", 2760, 1080, 735, 360},
};

// The local date and time to the whole second: the stopwatch measures wall
// time, so setting the system clock shows in the count.
std::int64_t LocalSeconds() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  FILETIME file{};
  SystemTimeToFileTime(&now, &file);
  ULARGE_INTEGER ticks{};
  ticks.LowPart = file.dwLowDateTime;
  ticks.HighPart = file.dwHighDateTime;
  return static_cast<std::int64_t>(ticks.QuadPart / 10'000'000);
}

}  // namespace

StopwatchWindow::StopwatchWindow() : model_(LocalSeconds) {}

bool StopwatchWindow::Open() {
  return Create({.className = L"VelmoraStopwatch", .caption = std::wstring(L"计时器") + maker::kWebAddress,
                 .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, .clientWidthTwips = 4050,
                 .clientHeightTwips = 1665, .quitWhenDestroyed = true});
}

void StopwatchWindow::OnCreate() {
  controls_.Create(Handle(), kLayout, {L"Tahoma", 83});  // 8.25 pt
  controls_.SetFont(kTxtTime, {L"MS Serif", 120});
}

void StopwatchWindow::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case kCmdBegin:
      model_.Begin();
      timer1_.Start(Handle(), kTimer1, kTickMilliseconds);
      break;
    case kCmdStop:
      model_.Stop();
      timer1_.Stop();
      break;
    case kCmdClose:
      Destroy();
      break;
    default:  // 主页 has no action
      break;
  }
}

void StopwatchWindow::OnTimer(UINT_PTR id) {
  if (id != kTimer1) return;
  model_.Tick();
  ShowTime();
}

void StopwatchWindow::ShowTime() const {
  // Rewritten only when it differs, so the box does not flicker 20 times a second.
  const HWND box = controls_.Get(kTxtTime);
  if (ui::GetText(box) != model_.Text()) ui::SetText(box, model_.Text());
}

}  // namespace stopwatch

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) { return ui::RunOnlyWindow<stopwatch::StopwatchWindow>(show); }
