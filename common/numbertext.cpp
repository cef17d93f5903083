#include "numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "fieldnumber.h"
#include "runfailure.h"

namespace common {

namespace {

// The 15-significant-digit decimal form of a finite x != 0: its digits without
// trailing zeros (at least one) and the decimal exponent of the first digit.
struct Decimal {
    bool negative = false;
    std::string digits;  // "15" for 1.5E+07
    int exponent = 0;    // 7 for 1.5E+07
};

Decimal decimalForm(double x)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
    Decimal d;
    if (s.front() == '-') {
        d.negative = true;
        s.remove_prefix(1);
    }
    const auto e = s.find('e');
    for (char c : s.substr(0, e))
        if (c != '.')
            d.digits.push_back(c);
    d.exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

std::size_t codePoints(std::string_view s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

}  // namespace

std::string numberText(double x)
{
    checked(x);
    if (x == 0.0)
        return " 0";
    const Decimal d = decimalForm(x);
    std::string out(1, d.negative ? '-' : ' ');
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent >= 15 || d.exponent < -4) {
        out += d.digits.substr(0, 1);
        if (n > 1)
            out += "." + d.digits.substr(1);
        const int e = std::abs(d.exponent);
        out += d.exponent < 0 ? "E-" : "E+";
        if (e < 10)
            out += '0';
        out += std::to_string(e);
    } else if (d.exponent < 0) {
        out += '.';
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
    } else if (n <= d.exponent + 1) {
        out += d.digits;
        out.append(static_cast<std::size_t>(d.exponent + 1 - n), '0');
    } else {
        out += d.digits.substr(0, static_cast<std::size_t>(d.exponent + 1));
        out += '.';
        out += d.digits.substr(static_cast<std::size_t>(d.exponent + 1));
    }
    return out;
}

std::string formatMask(double x, std::string_view mask)
{
    checked(x);
    const auto point = mask.find('.');
    const std::string_view wholeMask = mask.substr(0, point);
    const std::string_view fracMask =
        point == std::string_view::npos ? std::string_view() : mask.substr(point + 1);
    const int decimals = static_cast<int>(fracMask.size());

    // Work on the plain decimal digits of the 15-digit form: whole part and
    // fraction as strings, then round the fraction half away from zero.
    const bool negative = x < 0.0;
    std::string whole = "0";
    std::string frac;
    if (x != 0.0) {
        const Decimal d = decimalForm(x);
        const int n = static_cast<int>(d.digits.size());
        if (d.exponent >= 0) {
            const int w = d.exponent + 1;
            whole = w >= n ? d.digits + std::string(static_cast<std::size_t>(w - n), '0')
                           : d.digits.substr(0, static_cast<std::size_t>(w));
            frac = w >= n ? std::string() : d.digits.substr(static_cast<std::size_t>(w));
        } else {
            frac = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
        }
    }
    const bool roundUp = static_cast<int>(frac.size()) > decimals &&
                         frac[static_cast<std::size_t>(decimals)] >= '5';
    frac.resize(static_cast<std::size_t>(decimals), '0');
    if (roundUp) {
        std::string all = whole + frac;
        int i = static_cast<int>(all.size()) - 1;
        while (i >= 0 && all[static_cast<std::size_t>(i)] == '9')
            all[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            all.insert(all.begin(), '1');
        else
            ++all[static_cast<std::size_t>(i)];
        whole = all.substr(0, all.size() - frac.size());
        frac = all.substr(all.size() - frac.size());
    }

    // Whole part: drop leading zeros, then pad to the forced width.
    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? std::string() : whole.substr(firstNonZero);
    const auto firstZeroPlaceholder = wholeMask.find('0');
    const std::size_t forced =
        firstZeroPlaceholder == std::string_view::npos ? 0 : wholeMask.size() - firstZeroPlaceholder;
    if (whole.size() < forced)
        whole.insert(0, forced - whole.size(), '0');

    // Fraction: "#" positions at the end drop their trailing zeros.
    std::size_t keep = frac.size();
    while (keep > 0 && fracMask[keep - 1] == '#' && frac[keep - 1] == '0')
        --keep;
    frac.resize(keep);

    std::string out = negative ? "-" : "";
    out += whole;
    if (point != std::string_view::npos)
        out += "." + frac;
    return out;
}

std::string maskedNumberText(double x, std::string_view mask)
{
    return numberText(fieldNumber(formatMask(x, mask)));
}

std::string padRight(std::string_view text, std::size_t width)
{
    std::string out(text);
    const std::size_t n = codePoints(text);
    if (n < width)
        out.append(width - n, ' ');
    return out;
}

}  // namespace common
