// Reading numbers out of free text and writing numbers as the texts the windows show.
#pragma once

#include <string>
#include <string_view>

namespace vevi {

// The number that the UTF-8 text's leading characters form. Blanks, tabs, line feeds and
// invisible format characters (a zero-width space, a soft hyphen) are ignored anywhere; a
// sign, digits, one point and an exponent (E or D) are read; "&H" and "&O" read a
// hexadecimal or octal whole number; reading stops at the first other character. A text
// that does not begin with a number gives 0; a number beyond the double range gives an
// infinity of its sign.
double LeadingNumber(std::string_view text);

// Shortest decimal form of up to 15 significant digits, "." as point, no grouping,
// "-" before negative numbers and nothing before others ("65.5", "0.5").
std::string PlainNumberText(double value);

// PlainNumberText with a blank before a number that is zero or positive (" 110").
std::string SignedNumberText(double value);

// The value written with a number pattern: "#" optional digit, "0" required digit,
// "," thousands grouping, "." decimal point. Halves round away from zero, taking the value
// as it reads in 15 significant digits. A result that rounds to zero never shows a sign.
std::string FormatNumber(double value, std::string_view pattern);

// Rounding to a whole number with halves away from zero, as the pattern "###0" shows it.
double round0(double value);

}  // namespace vevi
