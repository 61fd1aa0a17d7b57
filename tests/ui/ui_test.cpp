// The window layer's own Win32 effects in process: placement, twips and points, focus, colours, the text-box binding,
// handle counts, and waits that keep events flowing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "calculators/common/text_boxes.h"
#include "tests/support/handle_counts.h"
#include "tests/support/scratch_folder.h"
#include "ui/form_window.h"
#include "ui/handles.h"
#include "ui/system.h"
#include "ui/text_box_binding.h"

namespace {

enum : int { kButton = 101, kFirst, kSecond };

constexpr ui::FontSpec kButtonFont{L"MS Sans Serif", 240, true};
constexpr ui::ControlSpec kLayout[] = {
    {kButton, ui::ControlKind::Button, L"按钮", 150, 1050, 1500, 375, 0, false, &kButtonFont},
    {kFirst, ui::ControlKind::Edit, L"", 150, 150, 1500, 375},
    {kSecond, ui::ControlKind::Edit, L"", 150, 600, 1500, 375},
};

class TestForm : public ui::FormWindow {
 public:
  TestForm() { Create({.className = L"VelmoraUiTest", .caption = L"测试", .clientWidthTwips = 3000, .clientHeightTwips = 1500}); }
  HWND Get(int id) const { return controls_.Get(id); }
  ui::ControlSet& Controls() { return controls_; }
  // The second box always shows the first doubled; an edit of it is undone at once.
  calc::TextBoxes model{2, [this](std::size_t) { model.Write(1, model.Text(0) + model.Text(0)); }};
  int timerTicks = 0;

 private:
  void OnCreate() override {
    controls_.Create(Handle(), kLayout, {L"宋体", 105});
    binding_ = std::make_unique<Binding>(model, std::vector<HWND>{Get(kFirst), Get(kSecond)});
  }
  void OnCommand(int, int code, HWND control) override {
    if (code == EN_CHANGE && binding_) binding_->OnEditChange(control);
  }
  void OnTimer(UINT_PTR) override { ++timerTicks; }
  using Binding = ui::TextBoxBinding<calc::TextBoxes>;
  std::unique_ptr<Binding> binding_;
};

RECT ChildRect(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

TEST(FormWindow, CentredOnTheScreenNotItsWorkAreaWithEverythingInTwipsAndPoints) {
  RECT work, smaller;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  smaller = {work.left, work.top, work.right - 300, work.bottom - 200};  // as a taskbar at the right and bottom
  ASSERT_TRUE(SystemParametersInfoW(SPI_SETWORKAREA, 0, &smaller, 0));
  TestForm w;
  SystemParametersInfoW(SPI_SETWORKAREA, 0, &work, 0);
  RECT outer, client;
  GetWindowRect(w.Handle(), &outer);
  EXPECT_NEAR(outer.left + outer.right, GetSystemMetrics(SM_CXSCREEN), 1);
  EXPECT_NEAR(outer.top + outer.bottom, GetSystemMetrics(SM_CYSCREEN), 1);

  const UINT dpi = w.Dpi();
  const auto pixels = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
  GetClientRect(w.Handle(), &client);
  const RECT edit = ChildRect(w.Get(kSecond));
  EXPECT_EQ(std::tuple(client.right, client.bottom, edit.left, edit.top, edit.right - edit.left),
            std::tuple(pixels(3000), pixels(1500), pixels(150), pixels(600), pixels(1500)));
  const LOGFONTW font = FontOf(w.Get(kSecond));  // 10.5 pt, a Chinese face
  EXPECT_EQ(std::tuple(font.lfHeight, int{font.lfCharSet}), std::tuple(-MulDiv(105, dpi, 720), GB2312_CHARSET));
  const LOGFONTW own = FontOf(w.Get(kButton));  // its own font, not the set's
  EXPECT_EQ(std::tuple(own.lfHeight, own.lfWeight), std::tuple(-MulDiv(240, dpi, 720), FW_BOLD));
  w.Controls().Relayout(192);  // as after a move to a monitor of another DPI
  EXPECT_EQ(std::tuple(ChildRect(w.Get(kSecond)).top, FontOf(w.Get(kSecond)).lfHeight, FontOf(w.Get(kButton)).lfHeight),
            std::tuple(80, -28, -64));
}

// Typing runs the model, whose nested writes show; focus starts in the first box and comes back.
TEST(FormWindow, TypingRunsTheModelAndFocusStartsInTheFirstInputBoxAndComesBackOnActivation) {
  TestForm w;
  SetWindowTextW(w.Get(kFirst), L"12");  // as typing would, with EN_CHANGE
  EXPECT_EQ(ui::GetText(w.Get(kSecond)), L"1212");
  SetWindowTextW(w.Get(kSecond), L"typed");  // an output box: undone at once
  EXPECT_EQ(ui::GetText(w.Get(kSecond)), L"1212");
  w.Show();
  EXPECT_EQ(GetFocus(), w.Get(kFirst));  // not the button before it
  EXPECT_EQ(SendMessageW(w.Get(kFirst), EM_GETSEL, 0, 0), MAKELRESULT(0, 2));  // selected: typing replaces it

  SetFocus(w.Get(kSecond));
  TestForm other;
  other.Show();
  ASSERT_EQ(GetActiveWindow(), other.Handle());
  SetActiveWindow(w.Handle());
  EXPECT_EQ(GetFocus(), w.Get(kSecond));
}

// A colour message sets the text colour with the background (else a label's text keeps whatever colour the device
// context had: black on a black high-contrast face). Under high contrast the system's answer stands.
TEST(FormWindow, ColourMessagesSetTextWithBackgroundAndLeaveHighContrastToTheSystem) {
  TestForm w;
  w.Controls().SetTextColor(kFirst, RGB(255, 0, 0));
  const ui::WindowDc dc(w.Handle());
  const ui::Brush pink(CreateSolidBrush(RGB(255, 192, 255)));
  constexpr COLORREF kUntouched = RGB(1, 2, 3);
  // kUntouched where the system's default answers.
  const struct { UINT message; int id; bool highContrast; COLORREF text, back; } rows[] = {
      {WM_CTLCOLOREDIT, kFirst, false, RGB(255, 0, 0), GetSysColor(COLOR_WINDOW)},
      {WM_CTLCOLORSTATIC, kButton, false, GetSysColor(COLOR_BTNTEXT), RGB(255, 192, 255)},
      {WM_CTLCOLOREDIT, kSecond, false, kUntouched, kUntouched},
      {WM_CTLCOLOREDIT, kFirst, true, kUntouched, kUntouched},
      {WM_CTLCOLORSTATIC, kButton, true, kUntouched, kUntouched},
  };
  for (const auto& row : rows) {
    ::SetTextColor(dc.get(), kUntouched);
    SetBkColor(dc.get(), kUntouched);
    const HBRUSH brush =
        w.Controls().Colorize(row.message, dc.get(), w.Get(row.id), RGB(255, 192, 255), pink.get(), row.highContrast);
    EXPECT_EQ(std::tuple(brush != nullptr, GetTextColor(dc.get()), GetBkColor(dc.get())),
              std::tuple(row.text != kUntouched, row.text, row.back)) << (&row - rows);
  }
}

TEST(Resources, FormsWithControlsAndFontsLeakNothingAndTheCountsSeeALeak) {
  { TestForm warmUp; }  // the thread's first window also makes its input-method window
  const auto counts = [] { return std::pair(testsupport::GdiObjectCount(), testsupport::UserObjectCount()); };
  const auto [gdi, user] = counts();
  for (int i = 0; i < 50; ++i) {
    TestForm w;
    w.Controls().SetFont(kButton, {L"黑体", 140, true});
    w.Controls().Relayout(144);
  }
  EXPECT_EQ(counts(), std::pair(gdi, user));

  const ui::Font leaked = ui::MakeFont({L"Arial", 90}, 96);
  HMENU menu = CreatePopupMenu();
  EXPECT_EQ(counts(), std::pair(gdi + 1, user + 1));
  DestroyMenu(menu);
  TestForm w;  // the window, its three controls and what the system adds for them
  EXPECT_GE(testsupport::UserObjectCount(), user + 4);
}

TEST(Delay, KeepsTimersRunningAndReturnsWhenTheProgramQuits) {
  TestForm w;
  ui::Timer timer;
  timer.Start(w.Handle(), 1, 50);
  ui::Delay(0.5);
  EXPECT_GT(w.timerTicks, 0);  // ticks were dispatched during the wait
  timer.Stop();

  PostQuitMessage(7);
  const ULONGLONG start = GetTickCount64();
  ui::Delay(60);
  EXPECT_LT(GetTickCount64() - start, 30000u);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // left for the message loop
  EXPECT_EQ(msg.wParam, 7u);
}

std::vector<HWND> ExplorerWindows() {
  std::vector<HWND> found;
  for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"ExplorerWClass", nullptr));) {
    if (IsWindowVisible(w)) found.push_back(w);
  }
  return found;
}

bool WaitForExplorers(std::size_t count) {
  for (const ULONGLONG end = GetTickCount64() + 20000; GetTickCount64() < end; Sleep(50))
    if (ExplorerWindows().size() == count) return true;
  return false;
}

// The shell shows the file in its folder, and a later look reuses the window (the shell returns once the window it used
// is there).
TEST(ShowInFolder, OpensTheFilesFolderOnceAndReusesItsWindow) {
  testsupport::ScratchFolder folder;
  const std::wstring file = folder.Write(L"Kelvo抓屏.bmp", "BM");
  ASSERT_TRUE(WaitForExplorers(0));
  EXPECT_TRUE(ui::ShowInFolder(nullptr, file));
  bool one = WaitForExplorers(1);
  EXPECT_TRUE(ui::ShowInFolder(nullptr, file));
  const std::vector<HWND> opened = ExplorerWindows();
  one = one && opened.size() == 1;
  const std::wstring title = opened.empty() ? L"" : ui::GetText(opened.front());
  for (const HWND w : opened) PostMessageW(w, WM_CLOSE, 0, 0);  // Explorer would outlive the test
  EXPECT_TRUE(WaitForExplorers(0));
  ASSERT_TRUE(one) << opened.size() << " windows";
  const std::wstring name = folder.Path().substr(0, folder.Path().size() - 1);
  EXPECT_EQ(title, name.substr(name.find_last_of(L'\\') + 1));
}

}  // namespace
