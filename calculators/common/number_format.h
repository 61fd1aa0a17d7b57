#pragma once
// Writing calculator results as text.

#include <string>
#include <string_view>

namespace calc {

// How every calculator shows a value that is infinite or undefined (an
// overflowing step, a division by zero): one short readable text.
inline constexpr std::wstring_view kNotANumberText = L"无效数值";

// A value in a display pattern such as "0.00##", "0.0##" or "0.####": the zeros
// after the point are decimals always shown, the hashes decimals shown when not
// zero. The last shown digit is rounded half away from zero on the value's
// 15-significant-digit decimal form (so 2.675 in "0.00" shows 2.68). With no
// decimals left the point stays ("0.####" shows 50 as "50."). No thousands
// separators; values below 1 keep their leading 0; negative values begin
// with "-", also when their shown digits are all zeros (-0.00001 in "0.00##"
// shows "-0.00").
std::wstring FormatPattern(double value, std::string_view pattern);

// The general number text: the value to at most 15 significant digits, without
// trailing zeros, in exponent form for very large and very small magnitudes
// (0.3, 0.333333333333333, -8, 1E+20, 1E-05). Independent of the locale.
std::wstring GeneralNumberText(double value);

}  // namespace calc
