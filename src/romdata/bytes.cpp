#include "bytes.h"

#include <charconv>
#include <cstdio>

namespace quorled {

std::string hexDigits(long value)
{
    // As "%lX" writes it, without the formatting machinery: the problem
    // lists name an area in every line.
    char text[32];
    char* const end = std::to_chars(text, text + sizeof text, static_cast<unsigned long>(value), 16).ptr;
    for (char* c = text; c != end; ++c)
        if (*c >= 'a' && *c <= 'f')
            *c = static_cast<char>(*c - 'a' + 'A');
    return std::string(text, end);
}

std::string hex2(long value)
{
    std::string digits = hexDigits(value);
    return value >= 0 && value < 16 ? "0" + digits : digits;
}

std::string hexAddress(long value) { return "$" + hexDigits(value); }

std::string dec3(long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%03ld", value);
    return text;
}

} // namespace quorled
