#include "framework/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace fw {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::size_t SkipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// Whether a number too far out for a double is too small rather than too
// large: the power of ten of its first significant digit decides, counting
// the digits around the point as well as the exponent ("0.000...1" and
// "1000...e-5" included).
bool Underflows(std::string_view number)
{
    const std::size_t e = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t lead = mantissa.find_first_of("123456789");
    if (lead == std::string_view::npos)
        return true;
    std::int64_t power = lead < point ? static_cast<std::int64_t>(point - lead) - 1
                                      : -static_cast<std::int64_t>(lead - point);
    std::size_t at = e + 1;
    bool negative = false;
    if (at < number.size() && (number[at] == '+' || number[at] == '-'))
        negative = number[at++] == '-';
    std::int64_t exponent = 0;
    for (; at < number.size(); ++at) // saturates: far past any double either way
        exponent = std::min<std::int64_t>(exponent * 10 + (number[at] - '0'), 1'000'000'000'000);
    power += negative ? -exponent : exponent;
    return power < 0;
}

} // namespace

double Val(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';

    // Find the end of the longest prefix that is a number.
    const std::size_t start = at;
    std::size_t end = SkipDigits(text, at);
    bool digits = end > start;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fraction = SkipDigits(text, end + 1);
        if (fraction > end + 1 || digits) {
            digits = digits || fraction > end + 1;
            end = fraction;
        }
    }
    if (!digits)
        return 0.0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }

    double value = 0.0;
    const char* first = text.data() + start;
    const char* last = text.data() + end;
    const auto [ptr, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: tell overflow from underflow.
        const std::string_view number(first, static_cast<std::size_t>(last - first));
        value = Underflows(number) ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc() || ptr != last) {
        return 0.0;
    }
    return negative ? -value : value;
}

std::string Str(std::int32_t value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Str(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    char buffer[32];
    // The shortest form would write 100000 as "1e+05": a whole number of
    // ordinary size is written out in full instead.
    const bool whole = std::fabs(value) < 1e15 && value == std::trunc(value);
    const auto result = whole ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string RuntimeAddString(std::string_view left, std::string_view right)
{
    std::string joined;
    joined.reserve(left.size() + right.size());
    joined.append(left);
    joined.append(right);
    return joined;
}

} // namespace fw
