#include "bytes.h"

#include <cstdio>

namespace quorled {

std::string hexDigits(long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lX", static_cast<unsigned long>(value));
    return text;
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
