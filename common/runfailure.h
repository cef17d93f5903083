#pragma once
// The one way a calculation ends early.
//
// InputRejected: an input check failed before anything was written; the window
// shows the check's own message and title.
// RunFailure: a run-time error (division by zero, square root of a negative
// number, a non-finite or overflowing result, an index beyond a fixed bound);
// the window shows its general failure message. Whatever the run wrote before
// the failing step stays; nothing after it is written.

#include <array>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace common {

class RunFailure : public std::runtime_error {
public:
    explicit RunFailure(const std::string& what) : std::runtime_error(what) {}
};

class InputRejected : public std::runtime_error {
public:
    InputRejected(std::string text, std::string title)
        : std::runtime_error(text), text_(std::move(text)), title_(std::move(title)) {}
    const std::string& text() const { return text_; }
    const std::string& title() const { return title_; }

private:
    std::string text_;
    std::string title_;
};

// x itself when it is a finite number; otherwise the run fails (overflow, NaN).
inline double checked(double x)
{
    if (!std::isfinite(x))
        throw RunFailure("non-finite result");
    return x;
}

// a / b, failing on a zero divisor and on a result that overflows.
inline double divide(double a, double b)
{
    if (b == 0.0)
        throw RunFailure("division by zero");
    return checked(a / b);
}

inline double squareRoot(double x)
{
    if (x < 0.0 || !std::isfinite(x))
        throw RunFailure("square root of a negative number");
    return std::sqrt(x);
}

inline double exponential(double x) { return checked(std::exp(checked(x))); }

inline double power(double base, double exponent)
{
    return checked(std::pow(checked(base), checked(exponent)));
}

// A double used as an array subscript: rounded to the nearest whole number
// (halves to even), failing when it is not a number or far outside any bound.
inline long toIndex(double x)
{
    if (!std::isfinite(x) || x > 2147483647.0 || x < -2147483648.0)
        throw RunFailure("value cannot be an index");
    return static_cast<long>(std::nearbyint(x));
}

// An array with fixed inclusive bounds Lo..Hi, as the calculators declare them;
// every subscript is checked and an out-of-bound one fails the run.
template <typename T, long Lo, long Hi>
class FixedArray {
    static_assert(Hi >= Lo);

public:
    static constexpr long lower = Lo;
    static constexpr long upper = Hi;

    T& operator[](long i) { return data_[slot(i)]; }
    const T& operator[](long i) const { return data_[slot(i)]; }
    T& operator[](double i) { return data_[slot(toIndex(i))]; }
    const T& operator[](double i) const { return data_[slot(toIndex(i))]; }
    T& operator[](int i) { return data_[slot(i)]; }
    const T& operator[](int i) const { return data_[slot(i)]; }

    void fill(const T& value) { data_.fill(value); }

private:
    static std::size_t slot(long i)
    {
        if (i < Lo || i > Hi)
            throw RunFailure("index beyond array bound");
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, static_cast<std::size_t>(Hi - Lo + 1)> data_{};
};

}  // namespace common
