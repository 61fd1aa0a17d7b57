#include "calculators/common/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const std::wstring kBad(calc::kNotANumberText);

TEST(NumberText, PatternsAndGeneralText) {
  const struct {
    double value;
    const char* pattern;  // nullptr: the general number text
    std::wstring text;
  } cases[] = {
      {62.83185, "0.00##", L"62.8319"}, {314.15926, "0.00##", L"314.1593"}, {15.70796, "0.00##", L"15.708"},
      {0, "0.00##", L"0.00"}, {10, "0.00##", L"10.00"}, {0.05, "0.00##", L"0.05"},
      {246, "0.0##", L"246.0"}, {520.63876, "0.0##", L"520.639"}, {0.0246, "0.0##", L"0.025"}, {0.0004, "0.0##", L"0.0"},
      {50, "0.####", L"50."}, {1.0 / 3, "0.####", L"0.3333"}, {2.0 / 3, "0.####", L"0.6667"},
      {0.00001, "0.####", L"0."}, {-7.5, "0.####", L"-7.5"}, {7.4, "0", L"7"},
      // Halves round away from zero on the 15-digit decimal form, not on the binary value.
      {1.005, "0.00", L"1.01"}, {2.675, "0.00", L"2.68"}, {-2.675, "0.00", L"-2.68"}, {0.00005, "0.00##", L"0.0001"},
      {1.00045, "0.0##", L"1.0"}, {0.0005, "0.0##", L"0.001"},
      {2.00045, "0.####", L"2.0005"}, {-2.00045, "0.####", L"-2.0005"}, {-1.0025, "0.0##", L"-1.003"},
      {9.99996, "0.00##", L"10.00"}, {99.9999999, "0.####", L"100."}, {-0.99999, "0.0##", L"-1.0"},
      {-0.5, "0.00##", L"-0.50"}, {-0.00001, "0.00##", L"-0.00"}, {-0.0, "0.0##", L"0.0"},
      {1e20, "0.00##", L"100000000000000000000.00"}, {123456789012345678.0, "0.0##", L"123456789012346000.0"},
      {1e-300, "0.00##", L"0.00"},
      {-0.00001, "0.####", L"-0."}, {-0.000001, "0.0##", L"-0.0"}, {-0.00004, "0.0##", L"-0.0"},
      {kInf, "0.00##", kBad}, {-kInf, "0.0##", kBad}, {std::nan(""), "0.####", kBad},
      {0.1 + 0.2, nullptr, L"0.3"}, {1.0 / 3, nullptr, L"0.333333333333333"}, {2.0 / 3, nullptr, L"0.666666666666667"},
      {-8, nullptr, L"-8"}, {2.5, nullptr, L"2.5"}, {1000, nullptr, L"1000"}, {0.625, nullptr, L"0.625"},
      {0, nullptr, L"0"}, {-0.0, nullptr, L"0"}, {0.0001, nullptr, L"0.0001"},
      {1e20, nullptr, L"1E+20"}, {1e-5, nullptr, L"1E-05"}, {-2.5e-7, nullptr, L"-2.5E-07"},
      {123456789012345.0, nullptr, L"123456789012345"}, {1234567890123456.0, nullptr, L"1.23456789012346E+15"},
      {1.7976931348623157e308, nullptr, L"1.79769313486232E+308"},
      {kInf, nullptr, kBad}, {std::nan(""), nullptr, kBad},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " in " << (c.pattern ? c.pattern : "general"));
    EXPECT_EQ(c.pattern ? calc::FormatPattern(c.value, c.pattern) : calc::GeneralNumberText(c.value), c.text);
  }
}

}  // namespace
