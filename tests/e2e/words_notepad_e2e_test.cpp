// Words typed into another application: Wine's notepad is the application
// the user worked in last, and the word pieces of the bar, run from this
// process, put each word on the clipboard, raise notepad and type it there.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/e2e_support.h"
#include "ui/system.h"
#include "velmora/app/send_word.h"
#include "velmora/app/word_list_file.h"

namespace {

class WordsIntoNotepad : public ::testing::Test {
 protected:
  void SetUp() override {
    // A notepad started while Wine's desktop is still closing down after the
    // previous test may never show its window: start another one then.
    for (int attempt = 0; attempt < 3 && !window_; ++attempt) {
      notepad_ = std::make_unique<e2e::Program>(L"C:\\windows\\notepad.exe");
      ASSERT_TRUE(notepad_->Started());
      const ULONGLONG end = GetTickCount64() + 10000;
      while (!(window_ = e2e::FindWindowOf(notepad_->Id(), L"Notepad")) && GetTickCount64() < end) Sleep(50);
    }
    ASSERT_NE(window_, nullptr);
    edit_ = FindWindowExW(window_, nullptr, L"Edit", nullptr);
    ASSERT_NE(edit_, nullptr);
    // The bar's stand-in: the window that owns the clipboard.
    owner_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override {
    if (owner_) DestroyWindow(owner_);
  }

  // Types the word as a menu choice does and returns what notepad then shows.
  std::wstring Send(const std::wstring& word) {
    SendMessageW(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    words::SendWord(window_, word, owner_);
    return e2e::WaitForText(edit_, word, 10000);
  }

  std::unique_ptr<e2e::Program> notepad_;
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
  HWND owner_ = nullptr;
};

}  // namespace

TEST_F(WordsIntoNotepad, AShippedGreekLetterArrivesAndStaysOnTheClipboard) {
  const auto greek = words::LoadListMenuItems(e2e::DistPath(L"符号/希腊字母.txt"), L"符号文字1");
  ASSERT_GE(greek.size(), 24u);
  const std::wstring& omega = greek[23].value;
  EXPECT_EQ(omega, L"Ω");
  EXPECT_EQ(Send(omega), omega);
  EXPECT_EQ(ui::GetClipboardText(owner_), omega);
}

TEST_F(WordsIntoNotepad, MixedTextAndKeyNotationArriveExactly) {
  const std::wstring word = L"GB/T 150.1-2011 压力容器 αβΔΩ ±×÷≤≥℃ + ^ % ~ { } ( ) %{F4} {";
  EXPECT_EQ(Send(word), word);
  EXPECT_EQ(ui::GetClipboardText(owner_), word);
  // Alt+F4 would have closed notepad.
  EXPECT_TRUE(IsWindow(window_));
}

TEST_F(WordsIntoNotepad, AMissingListTypesItsDefaultCaption) {
  const auto items = words::LoadListMenuItems(e2e::DistPath(L"符号/不存在.txt"), L"符号文字1");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(Send(items[0].value), L"符号文字1");
}

TEST_F(WordsIntoNotepad, AnEmptyEntryTypesNothingAndEmptiesTheClipboard) {
  ui::SetClipboardText(owner_, L"earlier");
  SendMessageW(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"kept"));
  words::SendWord(window_, L"", owner_);
  e2e::Settle(300);
  EXPECT_EQ(e2e::TextOf(edit_), L"kept");
  EXPECT_EQ(ui::GetClipboardText(owner_), L"");
}
