#pragma once
// Reading a calculator box's text as a number.
//
// A box's text is read as the number formed by its longest leading part that
// can be read as one: an optional sign, digits with at most one decimal point
// and an optional exponent (E or D, either case), or &H / &O followed by a
// hexadecimal or octal whole number. Blanks, tabs and line feeds are ignored
// wherever they stand. A text with no leading number reads as 0. The decimal
// separator is always the full stop, whatever the regional settings.

#include <optional>
#include <string_view>

namespace calc {

// The value of the text, or nothing when the number lies beyond the range of a
// double (a reading failure, which each calculator handles in its own way).
std::optional<double> ReadNumber(std::wstring_view text);

}  // namespace calc
