// Version texts, the splash's closing clock, the shown addresses, the help text.
#include <gtest/gtest.h>

#include <algorithm>

#include "velmora/info/brand_rules.h"
#include "velmora/info/help_text.h"

namespace velmora {
namespace {

TEST(SplashClock, ClosesAtTheFirstTickWhoseSecondsPartIsPastFive) {
  constexpr std::int64_t t0 = 86'399;  // the last second of a day: spans midnight
  const struct { std::int64_t loadedAt, now; bool due; } rows[] = {{t0, t0 + 5, false}, {t0, t0 + 6, true}, {t0, t0 + 59, true}, {t0, t0 + 60, false},
              {t0, t0 + 65, false}, {t0, t0 + 66, true}, {t0, t0 + 3603, false},
              {1000, 993, true}, {1000, 998, false}};  // a clock set back counts the span's size
  for (const auto& row : rows) {
    SCOPED_TRACE(row.now - row.loadedAt);
    EXPECT_EQ(SplashDue(row.loadedAt, row.now), row.due);
  }
}

// Each row's text grows as perPoint * size + fixed (in tenths of a point) wide and a tenth of the size
// high, into a room 14 high;
// the answer is what trying every size from the start down would give.
TEST(FittingFontSize, TakesTheFirstSizeThatFitsMeasuringOnlyAFew) {
  const struct { int start, room, perPoint, fixed, size, atMost; } rows[] = {
      {143, 1000, 5, 0, 143, 1},   // fits at once
      {143, 500, 5, 0, 98, 3},     // in proportion: the guess is right
      {135, 400, 5, 0, 80, 3},     // the guess right on a size that just fits
      {143, 700, 4, 200, 123, 3},  // a fixed part: the guess is high, one step down
      {143, 500, 8, -300, 98, 6},  // growing faster than the size: the guess is low, steps up
      {143, 500, 5, 200, 58, 5},   // fits nowhere: the first size at or below 6 pt, untried
      {60, 1, 5, 0, 60, 0},        // at the floor already: taken as it is
      {63, 1, 5, 0, 58, 1}, {66, 1, 5, 0, 56, 2},  // the next size down at or below 6 pt, or 6.1 pt tried first
      {143, 0, 0, 1, 58, 2}, {150, 0, 0, 1, 60, 2}, {71, 0, 0, 1, 56, 2},  // no room: straight to the lowest tried
      {240, 2000, 5, 0, 145, 4}, {143, 700, 5, 0, 138, 2},  // too high: the height decides; one step down fits
      {143, 0, 0, 0, 143, 1},      // empty text fits anywhere
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.start << " into " << row.room);
    int measured = 0;
    const int size = FittingFontSize(row.start, {row.room, 14}, [&](int s) {
      ++measured;
      return TextExtent{std::max(0, row.perPoint * s + row.fixed), s / 10};
    });
    EXPECT_EQ(size, row.size);
    EXPECT_LE(measured, row.atMost);
  }
}

TEST(BrandTexts, VersionLabelsAndAddressesAsShown) {
  EXPECT_EQ(std::tuple(SplashVersionText(L"1.1.0"), SplashVersionText(L""), HelpVersionText(L"1.1.0")),
            std::tuple(L"Ver:1.1.0", L"Ver:", L"版本 1.1.0"));  // no version resource: the prefix stays
  EXPECT_EQ(std::tuple(ShownWebAddress(L"https://www.example.com/"), ShownWebAddress(L"http://example.com/tools/"),
                       ShownWebAddress(L"/"), ShownWebAddress(L"http://q/")),
            std::tuple(L"www.example.com", L"example.com/tools/", L"/", L"q"));
  EXPECT_EQ(ShownMailAddress(L"mailto:a@b.example"), L"a@b.example");
}

TEST(LinkHover, BlueUnderThePointerBlackOverTheBackground) {
  LinkHover hover;
  using O = LinkHover::Over;
  for (const auto& [where, web, mail] : {std::tuple(O::Web, true, false), std::tuple(O::Mail, true, true),
                                         std::tuple(O::Background, false, false), std::tuple(O::Mail, false, true)}) {
    hover.Move(where);
    EXPECT_EQ(std::pair(hover.WebBlue(), hover.MailBlue()), std::pair(web, mail));
  }
}

TEST(HelpText, OpensWithTheSuiteAndEndsEveryLineWithCrLf) {
  const std::wstring text = HelpText();
  EXPECT_EQ(text.rfind(L"本软件是Tesmarin的一部分，以下是Tesmarin的说明：\r\n\tTesmarin程序说明  V1.1\r\n", 0), 0u);
  for (std::size_t i = 1; i < text.size(); ++i) {
    ASSERT_EQ(text[i] == L'\n', text[i - 1] == L'\r') << i;
  }
}

}  // namespace
}  // namespace velmora
