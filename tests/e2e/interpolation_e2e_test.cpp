// 插值 started as a user starts it: values typed with real key events, the
// result read back from the window, its colour read off the screen, the copy
// read back from the clipboard.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/e2e_support.h"

namespace {

constexpr wchar_t kErrorWord[] = L"出错";

// The pixels of a control on the screen, counted by ink: reddish, and grey to
// black (thin glyphs are smoothed to grey). The window is top-most, so
// nothing covers it.
struct Ink {
  int red = 0;
  int black = 0;
};

Ink InkOf(HWND control) {
  RECT r;  // the inside of the box, without its sunken border
  GetClientRect(control, &r);
  MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&r), 2);
  const int w = r.right - r.left, h = r.bottom - r.top;
  Ink ink;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap && bits) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    const auto* p = static_cast<const unsigned char*>(bits);  // blue, green, red, unused
    for (int i = 0; i < w * h; ++i, p += 4) {
      const int red = p[2], green = p[1], blue = p[0];
      const int high = std::max({red, green, blue}), low = std::min({red, green, blue});
      if (red - std::max(green, blue) > 80) ++ink.red;
      if (high < 170 && high - low < 30) ++ink.black;
    }
  }
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ink;
}

// Waits until the control is drawn in red only or in black only; tells what
// it saw last when it is not.
::testing::AssertionResult WaitForInk(HWND control, bool red) {
  const ULONGLONG end = GetTickCount64() + 5000;
  Ink ink;
  do {
    ink = InkOf(control);
    if (red ? (ink.red > 10 && ink.black == 0) : (ink.black > 10 && ink.red == 0)) {
      return ::testing::AssertionSuccess();
    }
    e2e::Settle(50);
  } while (GetTickCount64() < end);
  return ::testing::AssertionFailure() << "red pixels " << ink.red << ", black pixels " << ink.black;
}

std::wstring WaitForClipboard(const std::wstring& expected) {
  const ULONGLONG end = GetTickCount64() + 5000;
  std::wstring text;
  do {
    text = e2e::ClipboardText();
    if (text == expected) break;
    e2e::Settle(50);
  } while (GetTickCount64() < end);
  return text;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{sizeof info};
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

class InterpolationE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program_.Started());
    window_ = e2e::WaitForWindow(program_.Id(), L"插值");
    ASSERT_NE(window_, nullptr);
    edits_ = e2e::ChildrenOfClass(window_, L"Edit");
    ASSERT_EQ(edits_.size(), 6u);
  }

  // Types the five inputs and returns what the result box settles on.
  std::wstring Fill(const std::wstring& x1, const std::wstring& y1, const std::wstring& x2, const std::wstring& y2,
                    const std::wstring& x, const std::wstring& expected) {
    const std::wstring values[] = {x1, y1, x2, y2, x};
    for (int i = 0; i < 5; ++i) {
      if (e2e::TextOf(edits_[i]) != values[i]) e2e::ReplaceText(edits_[i], values[i]);
    }
    return e2e::WaitForText(Result(), expected);
  }

  HWND Result() const { return edits_[5]; }

  e2e::Program program_{e2e::DistPath(L"Kelvo软件/插值.exe")};
  HWND window_ = nullptr;
  std::vector<HWND> edits_;
};

TEST_F(InterpolationE2E, OpensTopMostResizableAndEmpty) {
  for (HWND edit : edits_) EXPECT_EQ(e2e::TextOf(edit), L"");
  EXPECT_TRUE(GetWindowLongW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(GetWindowLongW(window_, GWL_STYLE) & WS_THICKFRAME);
}

TEST_F(InterpolationE2E, ResultsFollowTheTypingAndErrorsShowInRed) {
  EXPECT_EQ(Fill(L"0", L"0", L"10", L"100", L"5", L"50."), L"50.");
  EXPECT_TRUE(WaitForInk(Result(), false));

  EXPECT_EQ(Fill(L"5", L"0", L"5", L"1", L"1", kErrorWord), kErrorWord);  // equal abscissas
  EXPECT_TRUE(WaitForInk(Result(), true));
  EXPECT_EQ(Fill(L"5", L"0", L"6", L"1", L"1", L"-4."), L"-4.");
  EXPECT_TRUE(WaitForInk(Result(), false));  // black again
}

TEST_F(InterpolationE2E, AnEditOfTheResultIsOverwritten) {
  ASSERT_EQ(Fill(L"0", L"0", L"10", L"100", L"5", L"50."), L"50.");
  e2e::ReplaceText(Result(), L"9");
  EXPECT_EQ(e2e::WaitForText(Result(), L"50."), L"50.");
}

TEST_F(InterpolationE2E, CopyPutsExactlyTheShownTextOnTheClipboard) {
  ASSERT_EQ(Fill(L"0", L"0", L"3", L"1", L"1", L"0.3333"), L"0.3333");
  e2e::SetClipboardText(L"before");
  ASSERT_EQ(e2e::ClipboardText(), L"before");
  const HWND copy = e2e::ChildWithText(window_, L"Button", L"复制");
  ASSERT_NE(copy, nullptr);
  e2e::Click(copy);
  EXPECT_EQ(WaitForClipboard(L"0.3333"), L"0.3333");

  ASSERT_EQ(Fill(L"1", L"0", L"1", L"1", L"1", kErrorWord), kErrorWord);
  e2e::Click(copy);
  EXPECT_EQ(WaitForClipboard(kErrorWord), kErrorWord);  // the window is still open
}

TEST_F(InterpolationE2E, TabFollowsTheBoxesThenTheButtons) {
  e2e::Click(edits_[0]);
  ASSERT_EQ(FocusOf(window_), edits_[0]);
  for (std::size_t i = 1; i < edits_.size(); ++i) {
    e2e::PressKey(VK_TAB);
    e2e::Settle(100);
    EXPECT_EQ(FocusOf(window_), edits_[i]) << "after box " << i - 1;
  }
  e2e::PressKey(VK_TAB);
  e2e::Settle(100);
  EXPECT_EQ(FocusOf(window_), e2e::ChildWithText(window_, L"Button", L"复制"));
}

TEST_F(InterpolationE2E, ControlsKeepTheirPlacesWhenResized) {
  RECT before;
  GetWindowRect(Result(), &before);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&before), 2);
  RECT outer;
  GetWindowRect(window_, &outer);
  SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left + 200, outer.bottom - outer.top + 150,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  e2e::Settle(200);
  RECT after;
  GetWindowRect(Result(), &after);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&after), 2);
  EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(InterpolationE2E, ExitEndsTheProgram) {
  e2e::Click(e2e::ChildWithText(window_, L"Button", L"退出"));
  EXPECT_TRUE(program_.WaitForExit(10000));
}

}  // namespace
