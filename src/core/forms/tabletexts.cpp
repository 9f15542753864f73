#include "core/forms/tabletexts.h"

#include "core/settings/editorsettings.h"
#include "romdata/bytes.h"
#include "romdata/charactertable.h"
#include "view/catalogue.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quorled {

std::string shownValue(ByteDisplay display, int value)
{
    switch (display) {
    case ByteDisplay::HexTypeName: return hex2(value);
    case ByteDisplay::Decimal3: return dec3(value);
    case ByteDisplay::PlusOne: return std::to_string(value + 1);
    case ByteDisplay::Signed: return std::to_string(signedByte(value));
    case ByteDisplay::Decimal:
    case ByteDisplay::DecimalSound:
    case ByteDisplay::DecimalLives: break;
    }
    return std::to_string(value);
}

bool hasNameLabel(ByteDisplay display)
{
    return display == ByteDisplay::HexTypeName || display == ByteDisplay::DecimalSound ||
           display == ByteDisplay::DecimalLives;
}

std::string nameLabel(ByteDisplay display, int value)
{
    switch (display) {
    case ByteDisplay::HexTypeName: return Catalogue::instance().enemyTypeName(value);
    case ByteDisplay::DecimalSound: return std::string(soundName(value));
    case ByteDisplay::DecimalLives: return extraLifeText(value);
    default: return {};
    }
}

std::string barText(int bar, int value)
{
    return std::to_string(characters::barShowsSigned(bar) ? signedByte(value) : value);
}

namespace {

// The shortest decimal text that reads back as the number.
std::string decimalText(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char buffer[32];
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    return buffer;
}

} // namespace

PickupEntry pickupEntry(const std::string& typed)
{
    PickupEntry entry;
    const double number = leadingNumericValue(typed);
    entry.value = characters::pickupValue(number);
    if (typed.empty())
        return entry;
    entry.outOfRange = number > 255 || number < 0;
    entry.text = number > 255 ? "255" : number < 0 ? "0" : decimalText(number);
    return entry;
}

} // namespace quorled
