#pragma once
#include <string>
#include <string_view>

namespace common {

// A number as reports and fields show it: a blank before zero and positive
// values, "-" before negative ones, no "0" before the point below magnitude 1,
// at most 15 significant digits, no trailing zeros. Magnitudes from 1E-4 up to
// but not including 1E+15 are written in plain decimals; outside that range the
// form switches to a mantissa and a signed two-digit (or longer) exponent:
// " 1E-05", " 1.5E+15", "-2.5E-07". Minus zero is written as " 0".
// A non-finite value fails the run.
std::string numberText(double x);

// x laid out by a format mask of "0", "#" and one ".": rounded half away from
// zero to as many decimals as the mask has after the point, the rounding done on
// the number's 15-significant-digit decimal form (so 2.675 with two decimals
// gives 2.68). In the whole-number part, every position from the leftmost "0"
// placeholder to the point is shown, with zeros where the number has no digit:
// "0##.0000" shows 5 as "005.0000" and "0##" shows 7 as "007"; "#0.00000" shows
// 0.35 as "0.35000". After the point "0" positions always show and "#" positions
// only when the digit is not a trailing zero ("0.0##": 2 -> "2.0", 0.125 ->
// "0.125"). A negative value that rounds to zero keeps its sign ("-0.00000").
std::string formatMask(double x, std::string_view mask);

// x formatted with the mask, read back as a number and written as number text:
// the mask fixes the rounding, the number text the look (0.5 -> " .5").
std::string maskedNumberText(double x, std::string_view mask);

// text followed by blanks up to width characters (characters, not bytes).
std::string padRight(std::string_view text, std::size_t width);

}  // namespace common
