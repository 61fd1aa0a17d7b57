#include "numbers/number_reader.h"

#include <charconv>
#include <cmath>
#include <string>

namespace calc {
namespace {

bool IsIgnored(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::wstring WithoutBlanks(std::wstring_view text) {
  std::wstring kept;
  kept.reserve(text.size());
  for (wchar_t c : text) {
    if (!IsIgnored(c)) kept.push_back(c);
  }
  return kept;
}

int DigitValue(wchar_t c, int base) {
  int v = -1;
  if (c >= L'0' && c <= L'9') v = c - L'0';
  else if (c >= L'a' && c <= L'f') v = c - L'a' + 10;
  else if (c >= L'A' && c <= L'F') v = c - L'A' + 10;
  return v < base ? v : -1;
}

// &H1F, &O17: a whole number in base 16 or 8; no digits read as 0.
std::optional<double> ReadPrefixed(std::wstring_view digits, int base) {
  double value = 0;
  for (wchar_t c : digits) {
    const int d = DigitValue(c, base);
    if (d < 0) break;
    value = value * base + d;
    if (std::isinf(value)) return std::nullopt;
  }
  return value;
}

// The decimal number at the start of `s`, collected into plain ASCII so that
// std::from_chars (locale-independent) can convert it.
struct DecimalPrefix {
  std::string ascii;      // e.g. "-12.5e3"
  long long magnitude{};  // rough power of ten of the value, for overflow vs underflow
  bool hasDigits{};
};

DecimalPrefix CollectDecimal(std::wstring_view s) {
  DecimalPrefix out;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) {
    if (s[i] == L'-') out.ascii.push_back('-');
    ++i;
  }
  long long integerDigits = 0;  // significant digits before the point
  long long leadingFractionZeros = 0;
  bool seenPoint = false, seenNonZero = false;
  for (; i < s.size(); ++i) {
    const wchar_t c = s[i];
    if (IsDigit(c)) {
      out.hasDigits = true;
      out.ascii.push_back(static_cast<char>(c));
      if (c != L'0') seenNonZero = true;
      if (!seenPoint && seenNonZero) ++integerDigits;
      if (seenPoint && !seenNonZero) ++leadingFractionZeros;
    } else if (c == L'.' && !seenPoint) {
      seenPoint = true;
      out.ascii.push_back('.');
    } else {
      break;
    }
  }
  if (!out.hasDigits) return out;
  out.magnitude = integerDigits > 0 ? integerDigits : -leadingFractionZeros;

  // The exponent counts only when at least one digit follows it.
  if (i < s.size() && (s[i] == L'E' || s[i] == L'e' || s[i] == L'D' || s[i] == L'd')) {
    std::size_t j = i + 1;
    bool negative = false;
    if (j < s.size() && (s[j] == L'+' || s[j] == L'-')) negative = s[j++] == L'-';
    if (j < s.size() && IsDigit(s[j])) {
      std::string exponent;
      long long value = 0;
      for (; j < s.size() && IsDigit(s[j]); ++j) {
        exponent.push_back(static_cast<char>(s[j]));
        if (value < 1'000'000'000) value = value * 10 + (s[j] - L'0');
      }
      out.ascii += negative ? "e-" : "e";
      out.ascii += exponent;
      out.magnitude += negative ? -value : value;
    }
  }
  return out;
}

std::optional<double> ReadDecimal(std::wstring_view s) {
  const DecimalPrefix prefix = CollectDecimal(s);
  if (!prefix.hasDigits) return 0.0;
  const char* first = prefix.ascii.data();
  const char* last = first + prefix.ascii.size();
  const bool negative = *first == '-';
  if (negative) ++first;
  double value = 0;
  const auto result = std::from_chars(first, last, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Too small to represent is simply zero; too large is a reading failure.
    if (prefix.magnitude > 0) return std::nullopt;
    value = 0;
  } else if (result.ec != std::errc()) {
    value = 0;
  }
  return negative ? -value : value;
}

}  // namespace

std::optional<double> ReadNumber(std::wstring_view text) {
  const std::wstring s = WithoutBlanks(text);
  if (s.size() >= 2 && s[0] == L'&') {
    if (s[1] == L'H' || s[1] == L'h') return ReadPrefixed(std::wstring_view(s).substr(2), 16);
    if (s[1] == L'O' || s[1] == L'o') return ReadPrefixed(std::wstring_view(s).substr(2), 8);
  }
  return ReadDecimal(s);
}

}  // namespace calc
