#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Conversions between text and numbers. Both ignore the process locale: the
// program's numbers are written and read with a dot, whatever the desktop's
// language.
namespace fw {

// The number at the start of the text: leading blanks, an optional sign,
// digits with an optional fraction and exponent; the longest such prefix is
// read and the rest ignored. Text that starts with no number reads as 0.
// Never throws; a number too large for a double reads as an infinity.
double Val(std::string_view text);

// The integer in decimal.
std::string Str(std::int32_t value);
// The shortest text that Val reads back as the same double; a whole number
// has no decimal point ("12").
std::string Str(double value);

// Left followed by right.
std::string RuntimeAddString(std::string_view left, std::string_view right);

} // namespace fw
