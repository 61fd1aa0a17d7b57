#include "calculators/common/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace calc {
namespace {

constexpr int kSignificantDigits = 15;

struct PatternShape {
  int minDecimals = 0;
  int maxDecimals = 0;
};

PatternShape ShapeOf(std::string_view pattern) {
  PatternShape shape;
  const auto point = pattern.find('.');
  if (point == std::string_view::npos) return shape;
  for (char c : pattern.substr(point + 1)) {
    if (c == '0') ++shape.minDecimals;
    if (c == '0' || c == '#') ++shape.maxDecimals;
  }
  return shape;
}

std::wstring Widen(std::string_view s) { return std::wstring(s.begin(), s.end()); }

// The magnitude as decimal digits with the point placed: integer part and
// fraction, both exact to 15 significant digits.
void FixedDigits(double magnitude, std::string& integer, std::string& fraction) {
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                               std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view text(buffer, r.ptr - buffer);  // d.ddddde+XX
  const auto e = text.find('e');
  std::string digits;
  for (char c : text.substr(0, e)) {
    if (c != '.') digits.push_back(c);
  }
  const int pointPos = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
  const int count = static_cast<int>(digits.size());
  if (pointPos <= 0) {
    integer = "0";
    fraction.assign(static_cast<std::size_t>(-pointPos), '0');
    fraction += digits;
  } else if (pointPos >= count) {
    integer = digits + std::string(pointPos - count, '0');
    fraction.clear();
  } else {
    integer = digits.substr(0, pointPos);
    fraction = digits.substr(pointPos);
  }
}

// Adds one unit in the last place of integer+fraction, carrying leftwards.
void RoundUpLastPlace(std::string& integer, std::string& fraction) {
  for (auto it = fraction.rbegin(); it != fraction.rend(); ++it) {
    if (*it != '9') { ++*it; return; }
    *it = '0';
  }
  for (auto it = integer.rbegin(); it != integer.rend(); ++it) {
    if (*it != '9') { ++*it; return; }
    *it = '0';
  }
  integer.insert(integer.begin(), '1');
}

}  // namespace

std::wstring FormatPattern(double value, std::string_view pattern) {
  if (!std::isfinite(value)) return std::wstring(kNotANumberText);
  const PatternShape shape = ShapeOf(pattern);
  std::string integer, fraction;
  FixedDigits(std::fabs(value), integer, fraction);

  if (static_cast<int>(fraction.size()) > shape.maxDecimals) {
    const bool roundUp = fraction[shape.maxDecimals] >= '5';
    fraction.resize(shape.maxDecimals);
    if (roundUp) RoundUpLastPlace(integer, fraction);
  }
  while (static_cast<int>(fraction.size()) > shape.minDecimals && fraction.back() == '0') {
    fraction.pop_back();
  }
  fraction.resize(std::max<std::size_t>(fraction.size(), shape.minDecimals), '0');
  const auto firstNonZero = integer.find_first_not_of('0');
  integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);

  // A negative value keeps its sign even where its digits round to zero
  // ("-0.00"): the sign still tells which side of zero the result lies.
  // Negative zero is no negative value and shows as 0.
  std::string text = value < 0 ? "-" : "";
  text += integer;
  const bool keepPoint = pattern.find('.') != std::string_view::npos;
  if (!fraction.empty() || keepPoint) text += '.';
  text += fraction;
  return Widen(text);
}

std::wstring GeneralNumberText(double value) {
  if (!std::isfinite(value)) return std::wstring(kNotANumberText);
  if (value == 0) return L"0";  // also for -0
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, value,
                               std::chars_format::general, kSignificantDigits);
  std::string text(buffer, r.ptr);
  std::replace(text.begin(), text.end(), 'e', 'E');
  return Widen(text);
}

}  // namespace calc
