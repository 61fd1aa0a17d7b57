// Typing into a real edit control with real input events, and SendWord's
// clipboard, raising and wait.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/system.h"
#include "velmora/words/keystroke.h"
#include "velmora/words/send_word.h"

namespace {

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// A window with a multi-line edit control that has the keyboard focus.
class TypingTarget : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExW(0, L"STATIC", L"velmora typing target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 600,
                              300, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
    edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 580, 250,
                            window_, nullptr, nullptr, nullptr);
    ASSERT_NE(edit_, nullptr);
    Focus();
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
  }

  void Focus() {
    SetForegroundWindow(window_);
    BringWindowToTop(window_);
    SetFocus(edit_);
    Pump(100);
  }

  static void Pump(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount64() < end);
  }

  // Runs the window's events until the edit control shows the text, or the
  // deadline passes; returns what it shows.
  std::wstring WaitForText(const std::wstring& expected, DWORD deadline = 10000) {
    const ULONGLONG end = GetTickCount64() + deadline;
    std::wstring text;
    do {
      Pump(20);
      text = TextOf(edit_);
    } while (text != expected && GetTickCount64() < end);
    return text;
  }

  HWND window_ = nullptr;
  HWND edit_ = nullptr;
};

}  // namespace

TEST_F(TypingTarget, ChineseGreekSymbolsAndKeyNotationArriveLiterally) {
  const std::wstring text = L"压力容器 αβγΩ ±×÷≤≥℃ + ^ % ~ { } ( ) %{F4} {ENTER";
  EXPECT_TRUE(words::TypeKeystrokes(text));
  EXPECT_EQ(WaitForText(text), text);
}

TEST_F(TypingTarget, SurrogatePairAndTabArrive) {
  const std::wstring text = std::wstring(L"a") + L"\xD835\xDC00" + L"\tb";
  EXPECT_TRUE(words::TypeKeystrokes(text));
  EXPECT_EQ(WaitForText(text), text);
}

TEST_F(TypingTarget, EditingControlCharactersDoNotEditTheTarget) {
  SetWindowTextW(edit_, L"keep");
  SendMessageW(edit_, EM_SETSEL, 4, 4);
  // As characters these would paste, erase and select all.
  words::TypeKeystrokes(std::wstring{L'x', 0x16, 0x08, 0x01, L'y'});
  EXPECT_EQ(WaitForText(L"keepxy"), L"keepxy");
}

TEST_F(TypingTarget, SendWordFillsTheClipboardRaisesTheTargetAndTypes) {
  const std::wstring word = L"GB/T 150.1-2011 压力容器 第1部分：通用要求";
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  Pump(100);
  SetFocus(edit_);  // the focus the target had when the user left it
  words::SendWord(window_, word, window_);
  EXPECT_EQ(WaitForText(word), word);
  EXPECT_EQ(ui::GetClipboardText(window_), word);
  DestroyWindow(other);
}

TEST_F(TypingTarget, EmptyWordLeavesEmptyTextOnTheClipboardAndTypesNothing) {
  ui::SetClipboardText(window_, L"earlier");
  words::SendWord(window_, L"", window_);
  Pump(200);
  EXPECT_EQ(ui::GetClipboardText(window_), L"");
  EXPECT_EQ(TextOf(edit_), L"");
}
