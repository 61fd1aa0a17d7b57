// The five calculators started as a user starts them and driven with real keys:
// typing lands at once in the first input box, Tab and Shift+Tab follow the
// layout order, a result follows, the quit button ends the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/e2e_support.h"
#include "ui/maker.h"

namespace {

constexpr wchar_t kBackTab = L'\x01';  // Shift+Tab; every other character is typed as its key

struct Step {
  std::wstring keys;
  int box;             // among the window's text boxes, in layout order
  std::wstring shows;  // a trailing '*' accepts any ending
};

struct Calculator {
  const wchar_t* program;
  std::wstring caption;
  std::vector<Step> steps;
  const wchar_t* quit;
  bool minimisable = false;  // a minimise box on a frame of fixed size
};

bool Matches(const std::wstring& text, const std::wstring& wanted) {
  return wanted.ends_with(L'*') ? text.starts_with(wanted.substr(0, wanted.size() - 1)) : text == wanted;
}

void Press(const std::wstring& keys) {
  for (const wchar_t key : keys) {
    if (key == kBackTab) e2e::PressKey(VK_TAB, true);
    else e2e::TypeText(std::wstring(1, key));
  }
}

TEST(Calculators, TypedIntoAtOnceTabbedThroughAndClosed) {
  const std::wstring web = maker::kWebAddress;
  const Calculator calculators[] = {
      // The angle box is disabled in circle mode: the radius comes first. The diameter follows it.
      {L"Arcmeter.exe", L"圆和圆弧周长面积计算  " + web,
       {{L"10", 1, L"10"}, {L"", 2, L"20"}, {L"\t5", 1, L"2.5"}, {L"", 4, L"19.635"}}, L"退出"},
      {L"Chaincalc.exe", L"Chaincalc四则运算",
       {{L"3", 0, L"3"}, {L"\t4", 2, L"7"}, {kBackTab + std::wstring(L"9"), 2, L"13"}}, L"退出"},
      {L"插值.exe", L"插值", {{L"4", 0, L"4"}, {L"\t2", 1, L"2"}, {L"", 5, L"0."}}, L"退出"},
      // The start values are selected, so typing replaces them; 171.7 / 101 and 64.6 / 38 are 1.7 as doubles.
      {L"Lmtdcalc.exe", L"计算温差",
       {{L"375.7\t305", 3, L"133.238"}, {kBackTab + std::wstring(L"164.6\t138\t100"), 3, L"50.129"}}, L"退出"},
      // The time box, then 主页 and 开始, pressed with the space bar.
      {L"计时.exe", L"计时器" + web, {{L"5", 0, L"5"}, {L"\t\t ", 0, L"0:*"}}, L"关闭", true},
  };
  for (const Calculator& c : calculators) {
    SCOPED_TRACE(testing::Message() << c.program);
    e2e::Program program(e2e::DistPath(std::wstring(L"Kelvo软件/") + c.program));
    const HWND window = e2e::WaitForWindow(program.Id(), c.caption);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == window; }));
    if (c.minimisable) {
      EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), WS_MINIMIZEBOX);
    }
    const std::vector<HWND> boxes = e2e::ChildrenOfClass(window, L"Edit");
    for (const Step& step : c.steps) {
      Press(step.keys);
      ASSERT_LT(static_cast<std::size_t>(step.box), boxes.size());
      if (!e2e::WaitUntil([&] { return Matches(e2e::TextOf(boxes[step.box]), step.shows); })) {
        ADD_FAILURE() << "box " << step.box << " shows " << e2e::TextOf(boxes[step.box]) << " after " << step.keys;
        break;
      }
    }
    e2e::Click(e2e::ChildWithText(window, L"Button", c.quit));
    EXPECT_TRUE(program.WaitForExit(10000));
  }
}

}  // namespace
