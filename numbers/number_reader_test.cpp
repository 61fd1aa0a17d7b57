#include "numbers/number_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

constexpr std::nullopt_t kFails = std::nullopt;  // beyond the range of a double

TEST(NumberReader, ReadsTheLongestLeadingNumber) {
  const struct {
    std::wstring text;
    std::optional<double> value;
  } cases[] = {
      {L"950", 950}, {L"-8", -8}, {L"+2.5", 2.5}, {L".5", 0.5}, {L"-.25", -0.25}, {L"5.", 5}, {L"0.1", 0.1},
      // No leading number reads as 0.
      {L"", 0}, {L"abc", 0}, {L"-", 0}, {L"+", 0}, {L".", 0}, {L"-.", 0}, {L"E5", 0}, {L"&", 0}, {L"&H", 0},
      {L"&Q1", 0}, {L"非法", 0}, {L"--3", 0},
      // Reading stops at the first character that cannot continue the number.
      {L"12abc", 12}, {L"1,5", 1}, {L"1.2.3", 1.2}, {L"3-4", 3}, {L"7℃", 7}, {L"1\r2", 1},
      // Blanks, tabs and line feeds are ignored wherever they stand.
      {L"1 2", 12}, {L"  - 1\t2 . 5\n", -12.5}, {L"1 e 3", 1000}, {L"& H F F", 255},
      {L"1\n2", 12},
      // Exponents: E or D in either case, and only with digits after them.
      {L"1e3", 1000}, {L"1E3", 1000}, {L"2.5d2", 250}, {L"2.5D-2", 0.025}, {L"4E+1", 40}, {L"7e", 7}, {L"7e+", 7},
      {L"7ex", 7}, {L"1e2e3", 100},
      // Hexadecimal and octal whole numbers.
      {L"&HFF", 255}, {L"&hff", 255}, {L"&H1G", 1}, {L"&O17", 15}, {L"&o8", 0}, {L"&H19", 25}, {L"&h1a", 26},
      {L"&HF:", 15}, {L"&o17", 15}, {L"2h", 2}, {L"&H7FFFFFFFFFFFFFFF", 9223372036854775807.0},
      // The range of a double: too large fails, too small is zero.
      {L"1e309", kFails}, {L"-2e308", kFails}, {L"0.5e400", kFails}, {L"1e99999999999999999999", kFails},
      {L"1e1000", kFails}, {L"2" + std::wstring(408, L'0') + L"e-100", kFails},
      {L"&H" + std::wstring(300, L'F'), kFails}, {L"1" + std::wstring(400, L'0'), kFails},
      {L"1.7976931348623157e308", 1.7976931348623157e308}, {L"1e-400", 0}, {L"123e-99999999999", 0},
      {L"1.7976931348623158e308", 0x1.fffffffffffffp1023}, {L"1.797693134862315808e308", kFails},  // half an ulp above
      {L"2.4703282292062328e-324", 0x1p-1074}, {L"2.4703282292062327e-324", 0},  // half the smallest double
      {L"&H" + std::wstring(255, L'F'), 0x1p1020}, {L"&H" + std::wstring(256, L'F'), kFails},
      {L"0." + std::wstring(400, L'0') + L"1", 0}, {L"0." + std::wstring(400, L'0') + L"1e50", 0},
      {L"0." + std::wstring(400, L'1') + L"e400", kFails},
      {std::wstring(100000, L'0') + L"42", 42}, {L"3" + std::wstring(100000, L' '), 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "text " << c.text.substr(0, 40) << " of length " << c.text.size());
    EXPECT_EQ(calc::ReadNumber(c.text), c.value);
  }
}

}  // namespace
