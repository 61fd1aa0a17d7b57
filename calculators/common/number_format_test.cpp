#include "calculators/common/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using calc::FormatPattern;
using calc::GeneralNumberText;

TEST(NumberPattern, TwoToFourDecimals) {
  EXPECT_EQ(FormatPattern(62.83185, "0.00##"), L"62.8319");
  EXPECT_EQ(FormatPattern(314.15926, "0.00##"), L"314.1593");
  EXPECT_EQ(FormatPattern(15.70796, "0.00##"), L"15.708");
  EXPECT_EQ(FormatPattern(0, "0.00##"), L"0.00");
  EXPECT_EQ(FormatPattern(10, "0.00##"), L"10.00");
  EXPECT_EQ(FormatPattern(0.05, "0.00##"), L"0.05");
}

TEST(NumberPattern, OneToThreeDecimals) {
  EXPECT_EQ(FormatPattern(246, "0.0##"), L"246.0");
  EXPECT_EQ(FormatPattern(520.63876, "0.0##"), L"520.639");
  EXPECT_EQ(FormatPattern(0.0246, "0.0##"), L"0.025");
  EXPECT_EQ(FormatPattern(0.0004, "0.0##"), L"0.0");
}

TEST(NumberPattern, UpToFourKeepsThePoint) {
  EXPECT_EQ(FormatPattern(50, "0.####"), L"50.");
  EXPECT_EQ(FormatPattern(1.0 / 3, "0.####"), L"0.3333");
  EXPECT_EQ(FormatPattern(2.0 / 3, "0.####"), L"0.6667");
  EXPECT_EQ(FormatPattern(0.00001, "0.####"), L"0.");
  EXPECT_EQ(FormatPattern(-7.5, "0.####"), L"-7.5");
}

TEST(NumberPattern, HalvesRoundAwayFromZeroOnTheDecimalForm) {
  // Both are stored slightly below the half in binary; the decimal form decides.
  EXPECT_EQ(FormatPattern(1.005, "0.00"), L"1.01");
  EXPECT_EQ(FormatPattern(2.675, "0.00"), L"2.68");
  EXPECT_EQ(FormatPattern(-2.675, "0.00"), L"-2.68");
  EXPECT_EQ(FormatPattern(0.00005, "0.00##"), L"0.0001");
  EXPECT_EQ(FormatPattern(1.00045, "0.0##"), L"1.0");
  EXPECT_EQ(FormatPattern(0.0005, "0.0##"), L"0.001");
}

TEST(NumberPattern, CarriesThroughNines) {
  EXPECT_EQ(FormatPattern(9.99996, "0.00##"), L"10.00");
  EXPECT_EQ(FormatPattern(99.9999999, "0.####"), L"100.");
  EXPECT_EQ(FormatPattern(-0.99999, "0.0##"), L"-1.0");
}

TEST(NumberPattern, NegativesAndValuesRoundingToZero) {
  EXPECT_EQ(FormatPattern(-0.5, "0.00##"), L"-0.50");
  EXPECT_EQ(FormatPattern(-0.00001, "0.00##"), L"0.00");
  EXPECT_EQ(FormatPattern(-0.0, "0.0##"), L"0.0");
}

TEST(NumberPattern, LargeAndTinyMagnitudesStayPlain) {
  EXPECT_EQ(FormatPattern(1e20, "0.00##"), L"100000000000000000000.00");
  EXPECT_EQ(FormatPattern(123456789012345678.0, "0.0##"), L"123456789012346000.0");
  EXPECT_EQ(FormatPattern(1e-300, "0.00##"), L"0.00");
}

TEST(NumberPattern, NonFiniteValuesReadable) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(FormatPattern(inf, "0.00##"), calc::kNotANumberText);
  EXPECT_EQ(FormatPattern(-inf, "0.0##"), calc::kNotANumberText);
  EXPECT_EQ(FormatPattern(std::nan(""), "0.####"), calc::kNotANumberText);
}

TEST(GeneralNumber, FifteenSignificantDigitsNoTrailingZeros) {
  EXPECT_EQ(GeneralNumberText(0.1 + 0.2), L"0.3");
  EXPECT_EQ(GeneralNumberText(1.0 / 3), L"0.333333333333333");
  EXPECT_EQ(GeneralNumberText(2.0 / 3), L"0.666666666666667");
  EXPECT_EQ(GeneralNumberText(-8), L"-8");
  EXPECT_EQ(GeneralNumberText(2.5), L"2.5");
  EXPECT_EQ(GeneralNumberText(1000), L"1000");
  EXPECT_EQ(GeneralNumberText(0.625), L"0.625");
  EXPECT_EQ(GeneralNumberText(0), L"0");
  EXPECT_EQ(GeneralNumberText(-0.0), L"0");
}

TEST(GeneralNumber, ExponentFormForLargeAndSmall) {
  EXPECT_EQ(GeneralNumberText(1e20), L"1E+20");
  EXPECT_EQ(GeneralNumberText(1e-5), L"1E-05");
  EXPECT_EQ(GeneralNumberText(-2.5e-7), L"-2.5E-07");
  EXPECT_EQ(GeneralNumberText(123456789012345.0), L"123456789012345");
  EXPECT_EQ(GeneralNumberText(1234567890123456.0), L"1.23456789012346E+15");
  EXPECT_EQ(GeneralNumberText(0.0001), L"0.0001");
  EXPECT_EQ(GeneralNumberText(1.7976931348623157e308), L"1.79769313486232E+308");
}

TEST(GeneralNumber, NonFiniteValuesReadable) {
  EXPECT_EQ(GeneralNumberText(std::numeric_limits<double>::infinity()), calc::kNotANumberText);
  EXPECT_EQ(GeneralNumberText(std::nan("")), calc::kNotANumberText);
}
