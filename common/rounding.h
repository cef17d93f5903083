#pragma once
// Whole-number and decimal rounding rules used by every calculator, and the
// truncated value of pi that the design tables and reports were computed with.

#include <cmath>

namespace common {

// pi as the reports use it: truncated, not the library's full-precision value.
inline constexpr double kPi = 3.1415926;

// Int(x): the largest whole number not above x (towards minus infinity).
inline double Int(double x) { return std::floor(x); }

// x cut to k decimals: Int(x * 10^k) / 10^k.
inline double cutTo(double x, int k)
{
    const double scale = std::pow(10.0, k);
    return Int(x * scale) / scale;
}

// x rounded to k decimals the way the reports do it: Int(x * 10^k + 0.5) / 10^k,
// so halves go up (towards plus infinity) also for negative values.
inline double roundTo(double x, int k)
{
    const double scale = std::pow(10.0, k);
    return Int(x * scale + 0.5) / scale;
}

// Nearest whole number, an exact half going to the even neighbour
// (grid positions, seconds of an angle).
inline double roundHalfEven(double x) { return std::nearbyint(x); }

}  // namespace common
