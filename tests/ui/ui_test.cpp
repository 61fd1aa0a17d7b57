// The window layer with real windows, controls and GDI objects under Wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculators/common/text_boxes.h"
#include "tests/support/handle_counts.h"
#include "ui/controls.h"
#include "ui/system.h"
#include "ui/text_box_binding.h"
#include "ui/window.h"

namespace {

enum : int { kFirst = 101, kSecond, kLabel };

constexpr ui::ControlSpec kLayout[] = {
    {kFirst, ui::ControlKind::Edit, L"", 150, 150, 1500, 375},
    {kSecond, ui::ControlKind::Edit, L"", 150, 600, 1500, 375},
    {kLabel, ui::ControlKind::Label, L"标签", 150, 1050, 1500, 375},
};

// A model whose second box always shows the first box doubled, and whose
// second box, when edited, is rewritten at once (an output box).
class DoublingModel {
 public:
  DoublingModel() : boxes_(2, [this](std::size_t box) { OnChange(box); }) {}
  const std::wstring& Text(std::size_t i) const { return boxes_.Text(i); }
  bool Write(std::size_t i, std::wstring t) { return boxes_.Write(i, std::move(t)); }
  int changes = 0;

 private:
  void OnChange(std::size_t) {
    ++changes;
    boxes_.Write(1, boxes_.Text(0) + boxes_.Text(0));
  }
  calc::TextBoxes boxes_;
};

class TestWindow : public ui::Window {
 public:
  TestWindow() {
    ui::WindowOptions o;
    o.className = L"VelmoraUiTest";
    o.caption = L"测试";
    o.clientWidthTwips = 3000;
    o.clientHeightTwips = 1500;
    o.background = RGB(10, 20, 30);
    Create(o);
  }
  ui::ControlSet controls;
  DoublingModel model;
  std::unique_ptr<ui::TextBoxBinding<DoublingModel>> binding;
  int timerTicks = 0;

 private:
  void OnCreate() override {
    controls.Create(Handle(), kLayout, {L"宋体", 105});
    binding = std::make_unique<ui::TextBoxBinding<DoublingModel>>(
        model, std::vector<HWND>{controls.Get(kFirst), controls.Get(kSecond)});
  }
  void OnCommand(int, int code, HWND control) override {
    if (code == EN_CHANGE && binding) binding->OnEditChange(control);
  }
  void OnTimer(UINT_PTR) override { ++timerTicks; }
};

TEST(Window, ClientAreaAndControlsFollowTheTwipsAtTheWindowsDpi) {
  TestWindow w;
  ASSERT_TRUE(w.Exists());
  const UINT dpi = w.Dpi();
  RECT client;
  GetClientRect(w.Handle(), &client);
  EXPECT_EQ(client.right, MulDiv(3000, dpi, 1440));
  EXPECT_EQ(client.bottom, MulDiv(1500, dpi, 1440));
  RECT edit;
  GetWindowRect(w.controls.Get(kSecond), &edit);
  MapWindowPoints(nullptr, w.Handle(), reinterpret_cast<POINT*>(&edit), 2);
  EXPECT_EQ(edit.left, MulDiv(150, dpi, 1440));
  EXPECT_EQ(edit.top, MulDiv(600, dpi, 1440));
  EXPECT_EQ(edit.right - edit.left, MulDiv(1500, dpi, 1440));

  // A change of DPI (a move to another monitor) re-places the controls.
  w.controls.Relayout(192);
  GetWindowRect(w.controls.Get(kSecond), &edit);
  EXPECT_EQ(edit.right - edit.left, MulDiv(1500, 192, 1440));
}

TEST(Window, TwipConversionsRoundTripAtCommonDpis) {
  for (UINT dpi : {96u, 120u, 144u, 192u}) {
    EXPECT_EQ(ui::TwipsToPixels(1440, dpi), static_cast<int>(dpi));
    EXPECT_EQ(ui::PixelsToTwips(static_cast<int>(dpi), dpi), 1440);
  }
  EXPECT_EQ(ui::TwipsToPixels(840, 96), 56);
  EXPECT_EQ(ui::TwipsToPixels(285, 96), 19);
}

TEST(TextBoxBinding, TypingRunsTheModelAndShowsItsNestedWrites) {
  TestWindow w;
  SetWindowTextW(w.controls.Get(kFirst), L"ab");  // as typing would, with EN_CHANGE
  EXPECT_EQ(w.model.Text(0), L"ab");
  EXPECT_EQ(ui::GetText(w.controls.Get(kSecond)), L"abab");

  // Editing the output box is undone at once.
  SetWindowTextW(w.controls.Get(kSecond), L"typed");
  EXPECT_EQ(ui::GetText(w.controls.Get(kSecond)), L"abab");
  EXPECT_EQ(w.model.Text(1), L"abab");

  // The control notifies even when the text stays the same; the model does not.
  const int changes = w.model.changes;
  SetWindowTextW(w.controls.Get(kFirst), L"ab");
  EXPECT_EQ(w.model.changes, changes);
}

TEST(Fonts, ChineseFacesGetTheChineseCharacterSet) {
  const ui::Font font = ui::MakeFont({L"宋体", 120}, 96);
  LOGFONTW lf{};
  ASSERT_TRUE(GetObjectW(font.get(), sizeof lf, &lf));
  EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
  EXPECT_EQ(lf.lfHeight, -16);  // 12 pt at 96 DPI
  const ui::Font latin = ui::MakeFont({L"Arial", 105}, 192);
  ASSERT_TRUE(GetObjectW(latin.get(), sizeof lf, &lf));
  EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
  EXPECT_EQ(lf.lfHeight, -28);  // 10.5 pt at 192 DPI
}

TEST(Resources, WindowsWithControlsAndFontsLeakNothing) {
  { TestWindow warmUp; }
  const DWORD gdi = testsupport::GdiObjectCount();
  const DWORD user = testsupport::UserObjectCount();
  ASSERT_GT(gdi, 0u);
  for (int i = 0; i < 50; ++i) {
    TestWindow w;
    w.controls.SetFont(kLabel, {L"黑体", 140, true});
    w.controls.Relayout(144);
  }
  EXPECT_EQ(testsupport::GdiObjectCount(), gdi);
  EXPECT_EQ(testsupport::UserObjectCount(), user);
}

TEST(Resources, TheCountsSeeALeak) {
  { TestWindow warmUp; }  // the thread's first window also makes its input-method window
  const DWORD gdi = testsupport::GdiObjectCount();
  const DWORD user = testsupport::UserObjectCount();
  HFONT leaked = CreateFontW(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
  HMENU menu = CreatePopupMenu();
  EXPECT_EQ(testsupport::GdiObjectCount(), gdi + 1);
  EXPECT_EQ(testsupport::UserObjectCount(), user + 1);
  DeleteObject(leaked);
  DestroyMenu(menu);
  EXPECT_EQ(testsupport::GdiObjectCount(), gdi);
  {
    TestWindow w;  // the window, its three controls and what the system adds for them
    EXPECT_GE(testsupport::UserObjectCount(), user + 4);
  }
  EXPECT_EQ(testsupport::UserObjectCount(), user);
}

TEST(Delay, KeepsTimersRunningAndWaitsItsTime) {
  TestWindow w;
  ui::Timer timer;
  timer.Start(w.Handle(), 1, 50);
  const ULONGLONG start = GetTickCount64();
  ui::Delay(0.5);
  const ULONGLONG waited = GetTickCount64() - start;
  EXPECT_GE(waited, 490u);
  EXPECT_GT(w.timerTicks, 2);  // ticks were dispatched during the wait
  timer.Stop();
  const int ticks = w.timerTicks;
  ui::Delay(0.2);
  EXPECT_EQ(w.timerTicks, ticks);
}

TEST(Delay, ReturnsEarlyWhenTheProgramQuitsAndKeepsTheQuitMessage) {
  PostQuitMessage(7);
  const ULONGLONG start = GetTickCount64();
  ui::Delay(5);
  EXPECT_LT(GetTickCount64() - start, 4000u);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST(Clipboard, UnicodeTextRoundTrips) {
  TestWindow w;
  const std::wstring text = L"Q345R ±0.5 ℃ αβγ 𝛼 \t end";
  ASSERT_TRUE(ui::SetClipboardText(w.Handle(), text));
  EXPECT_EQ(ui::GetClipboardText(w.Handle()), text);
  ASSERT_TRUE(ui::SetClipboardText(w.Handle(), L""));
  EXPECT_EQ(ui::GetClipboardText(w.Handle()), L"");
}

TEST(CodePage, ChineseBytesDecodeAsCodePage936) {
  // "压力容器" in code page 936, then an invalid trailing lead byte.
  const std::string bytes = "\xD1\xB9\xC1\xA6\xC8\xDD\xC6\xF7";
  EXPECT_EQ(ui::DecodeCodePage(936, bytes), L"压力容器");
  EXPECT_EQ(ui::DecodeCodePage(936, ""), L"");
  EXPECT_FALSE(ui::DecodeCodePage(936, "abc\xD1").empty());
}

}  // namespace
