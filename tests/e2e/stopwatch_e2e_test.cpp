// 计时 started as a user starts it and run through its buttons.
#include <gtest/gtest.h>

#include <initializer_list>

#include "tests/support/e2e_support.h"
#include "ui/maker.h"

namespace {

// The local time in whole seconds, the clock the stopwatch counts by.
long long LocalSeconds() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  FILETIME file;
  SystemTimeToFileTime(&now, &file);
  return static_cast<long long>((static_cast<unsigned long long>(file.dwHighDateTime) << 32 | file.dwLowDateTime) /
                                10'000'000);
}

// Waits until the box shows one of the texts; returns the last text seen.
std::wstring WaitForOneOf(HWND box, std::initializer_list<const wchar_t*> texts, int milliseconds = 5000) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  std::wstring text;
  do {
    text = e2e::TextOf(box);
    for (const wchar_t* t : texts) {
      if (text == t) return text;
    }
    e2e::Settle(20);
  } while (GetTickCount64() < end);
  return text;
}

class StopwatchE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program_.Started());
    window_ = e2e::WaitForWindow(program_.Id(), std::wstring(L"计时器") + maker::kWebAddress);
    ASSERT_NE(window_, nullptr);
    const auto edits = e2e::ChildrenOfClass(window_, L"Edit");
    ASSERT_EQ(edits.size(), 1u);
    time_ = edits[0];
  }

  void Press(const wchar_t* caption) {
    const HWND button = e2e::ChildWithText(window_, L"Button", caption);
    ASSERT_NE(button, nullptr) << "no button";
    e2e::Click(button);
  }

  e2e::Program program_{e2e::DistPath(L"Kelvo软件/计时.exe")};
  HWND window_ = nullptr;
  HWND time_ = nullptr;
};

TEST_F(StopwatchE2E, OpensCentredFixedWithOneBlank) {
  EXPECT_EQ(e2e::TextOf(time_), L" ");
  EXPECT_NE(e2e::ChildWithText(window_, L"Static", L"计时(分:秒)"), nullptr);

  EXPECT_FALSE(GetWindowLongW(window_, GWL_STYLE) & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_THICKFRAME));

  EXPECT_LE(e2e::DistanceFromWorkAreaCentre(window_), 2);
}

TEST_F(StopwatchE2E, StartCountsStopFreezesStartAgainCountsFromZero) {
  Press(L"开始");
  // The start is read to the whole second, so the first tick may already
  // fall into the next second.
  const std::wstring first = WaitForOneOf(time_, {L"0:0", L"0:1"});
  EXPECT_TRUE(first == L"0:0" || first == L"0:1") << "shown: " << first.size();
  EXPECT_EQ(WaitForOneOf(time_, {L"0:2"}), L"0:2");

  Press(L"结束");
  const std::wstring frozen = WaitForOneOf(time_, {L"0:2", L"0:3"});
  ASSERT_TRUE(frozen == L"0:2" || frozen == L"0:3");
  const long long stoppedAt = LocalSeconds();
  while (LocalSeconds() < stoppedAt + 2) e2e::Settle(50);
  EXPECT_EQ(e2e::TextOf(time_), frozen);

  Press(L"开始");
  const std::wstring again = WaitForOneOf(time_, {L"0:0", L"0:1"});
  EXPECT_TRUE(again == L"0:0" || again == L"0:1");
}

TEST_F(StopwatchE2E, HomeButtonDoesNothingAndCloseEndsTheProgram) {
  Press(L"主页");
  e2e::Settle(500);
  EXPECT_EQ(e2e::FindWindowOf(program_.Id(), L"#32770"), nullptr);  // no message box
  EXPECT_EQ(e2e::TextOf(time_), L" ");
  EXPECT_FALSE(program_.WaitForExit(0));

  Press(L"关闭");
  EXPECT_TRUE(program_.WaitForExit(10000));
}

}  // namespace
