#pragma once

// The conversions between the calculator's texts and its numbers. The display text is the value:
// every operand is read from text with TextToNumber and every result written with NumberToText.
// Both are pure and ignore the locale: the point is the only decimal separator everywhere.

#include <string>
#include <string_view>

namespace engine {

// Reads a decimal number from the start of `text`: blanks (space, tab, line feed) are skipped
// wherever they stand, then an optional sign, digits with at most one point, and an optional
// exponent (E or e, optional sign, digits). Reading stops at the first character that cannot
// continue the number; with no digit read the value is 0. Correctly rounded, linear in the
// length of the text. Never fails: a numeral beyond the double range reads as an infinity, which
// the arithmetic step that uses it turns into a result or an error; one too small for a double
// reads as 0 or a subnormal.
double TextToNumber(std::string_view text);

// Writes a finite number with 15 significant digits in its shortest form: plain digits when the
// decimal exponent of the rounded value is from -4 to 14, otherwise mantissa, "E", sign and at
// least two exponent digits (15, -7, 0.25, 1E-05, 1E+15). Negative zero is written 0. Every text
// reads back as the number shown: the few doubles that would round past the largest double are
// cut to 1.79769313486231E+308 instead. Throws ArithmeticError for a value that is not finite, so
// none is ever shown.
std::string NumberToText(double value);

} // namespace engine
