#include "numbers/number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using calc::ReadNumber;

namespace {
double Read(const std::wstring& text) {
  const auto value = ReadNumber(text);
  EXPECT_TRUE(value.has_value()) << "reading failed for text of length " << text.size();
  return value.value_or(NAN);
}
}  // namespace

TEST(NumberReader, PlainNumbersSignsAndPoints) {
  EXPECT_EQ(Read(L"950"), 950);
  EXPECT_EQ(Read(L"-8"), -8);
  EXPECT_EQ(Read(L"+2.5"), 2.5);
  EXPECT_EQ(Read(L".5"), 0.5);
  EXPECT_EQ(Read(L"-.25"), -0.25);
  EXPECT_EQ(Read(L"5."), 5);
  EXPECT_EQ(Read(L"0.1"), 0.1);
}

TEST(NumberReader, NoLeadingNumberReadsAsZero) {
  for (const wchar_t* text : {L"", L"abc", L"-", L"+", L".", L"-.", L"E5", L"&", L"&H", L"&Q1", L"非法"}) {
    EXPECT_EQ(Read(text), 0) << std::wstring(text).size();
  }
}

TEST(NumberReader, StopsAtFirstCharacterThatCannotContinue) {
  EXPECT_EQ(Read(L"12abc"), 12);
  EXPECT_EQ(Read(L"1,5"), 1);
  EXPECT_EQ(Read(L"1.2.3"), 1.2);
  EXPECT_EQ(Read(L"3-4"), 3);
  EXPECT_EQ(Read(L"--3"), 0);
  EXPECT_EQ(Read(L"7℃"), 7);
}

TEST(NumberReader, BlanksTabsAndLineFeedsIgnoredAnywhere) {
  EXPECT_EQ(Read(L"1 2"), 12);
  EXPECT_EQ(Read(L"  - 1\t2 . 5\n"), -12.5);
  EXPECT_EQ(Read(L"1 e 3"), 1000);
  EXPECT_EQ(Read(L"& H F F"), 255);
  // A carriage return is not a blank: it ends the number.
  EXPECT_EQ(Read(L"1\r2"), 1);
}

TEST(NumberReader, ExponentWithEOrDInEitherCase) {
  EXPECT_EQ(Read(L"1e3"), 1000);
  EXPECT_EQ(Read(L"1E3"), 1000);
  EXPECT_EQ(Read(L"2.5d2"), 250);
  EXPECT_EQ(Read(L"2.5D-2"), 0.025);
  EXPECT_EQ(Read(L"4E+1"), 40);
  // An exponent without digits is not part of the number.
  EXPECT_EQ(Read(L"7e"), 7);
  EXPECT_EQ(Read(L"7e+"), 7);
  EXPECT_EQ(Read(L"7ex"), 7);
  EXPECT_EQ(Read(L"1e2e3"), 100);
}

TEST(NumberReader, HexAndOctalWholeNumbers) {
  EXPECT_EQ(Read(L"&HFF"), 255);
  EXPECT_EQ(Read(L"&hff"), 255);
  EXPECT_EQ(Read(L"&H1G"), 1);
  EXPECT_EQ(Read(L"&O17"), 15);
  EXPECT_EQ(Read(L"&o8"), 0);
  EXPECT_EQ(Read(L"&H7FFFFFFFFFFFFFFF"), 9223372036854775807.0);
}

TEST(NumberReader, BeyondDoubleRangeIsAFailure) {
  EXPECT_FALSE(ReadNumber(L"1e309").has_value());
  EXPECT_FALSE(ReadNumber(L"-2e308").has_value());
  EXPECT_FALSE(ReadNumber(L"0.5e400").has_value());
  EXPECT_FALSE(ReadNumber(L"1e99999999999999999999").has_value());
  EXPECT_FALSE(ReadNumber(L"&H" + std::wstring(300, L'F')).has_value());
  EXPECT_FALSE(ReadNumber(L"1" + std::wstring(400, L'0')).has_value());
  EXPECT_EQ(Read(L"1.7976931348623157e308"), 1.7976931348623157e308);
}

TEST(NumberReader, TooSmallToRepresentIsZeroNotAFailure) {
  EXPECT_EQ(Read(L"1e-400"), 0);
  EXPECT_EQ(Read(L"123e-99999999999"), 0);
  EXPECT_EQ(Read(L"0." + std::wstring(400, L'0') + L"1"), 0);
}

TEST(NumberReader, LongInputsAreReadWithoutTrouble) {
  EXPECT_EQ(Read(std::wstring(100000, L'0') + L"42"), 42);
  EXPECT_EQ(Read(L"3" + std::wstring(100000, L' ')), 3);
}
