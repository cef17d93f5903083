#include "fieldnumber.h"

#include <charconv>
#include <cmath>
#include <string>

#include "runfailure.h"

namespace common {

namespace {

bool isPassedOver(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double fieldNumber(std::string_view utf8)
{
    // Blanks may stand anywhere in the number ("3 4" is 34), so drop them first.
    std::string s;
    s.reserve(utf8.size());
    for (char c : utf8)
        if (!isPassedOver(c))
            s.push_back(c);

    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            end = j;
        }
    }

    // from_chars takes no leading '+' and ignores the locale, as a field must.
    double value = 0.0;
    const char* first = s.data() + mantissaStart;
    const auto [ptr, ec] = std::from_chars(first, s.data() + end, value);
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; a magnitude beyond the double range is an overflow.
        const std::string_view body(first, static_cast<std::size_t>(s.data() + end - first));
        const auto e = body.find_first_of("eE");
        if (e != std::string_view::npos && body.size() > e + 1 && body[e + 1] == '-')
            return 0.0;
        throw RunFailure("number too large");
    }
    if (ec != std::errc() || ptr != s.data() + end)
        return 0.0;
    return s[0] == '-' ? -value : value;
}

}  // namespace common
