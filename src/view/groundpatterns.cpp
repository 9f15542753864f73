#include "groundtables.h"

#include <string_view>

namespace quorled {

// Ground settings 0..31 of horizontal areas; character r + 1 is row r.
constexpr std::array<const char*, 32> groundPatternsH{
    "-------------xX",
    "-----------xXXX",
    "-------xXXXXXXX",
    "-------xX...XXX",
    "-------xX....XX",
    "-------.....XXX",
    "-------xXX.....",
    "-------........",
    "---------------",
    "XXXXXXXXXXXXX..",
    ".xX.xX.xX.xX.xX",
    "------.xX.xX.xX",
    "----------xX.xX",
    "-------------xX",
    ".x----.xX.xX.xX",
    ".xX-------xX.xX",
    ".xX----------xX",
    ".xX.xX----xX.xX",
    ".xX.xX.xX.---xX",
    ".xX.xX.xX----xX",
    ".xX.xX.------xX",
    ".x----.xX----xX",
    "------------.xX",
    ".xX------------",
    ".xX.xX.xX.xX.xX",
    ".xX.xX-----X.xX",
    ".x---------X.xX",
    ".xX.xX-------xX",
    ".x-----------xX",
    "-------------xX",
    "-------------xX",
    "---------------",
};

// Ground settings 0..31 of vertical areas; character c + 1 is column c.
constexpr std::array<const char*, 32> groundPatternsV{
    "XXXXXXXXXXXXXXXX",
    "X--------------X",
    "XXXX--------XXXX",
    "..XX--------XX..",
    "...X--------X...",
    "..XXX------XXX..",
    ".XX----------XX.",
    ".X------------X.",
    "..XXXBBBBBBXXX..",
    "XBBB--------BBBX",
    "XXBBBBBBBBBBBBXX",
    "XXBBBBXXXXBBBBXX",
    "BBBBBBBBBBBBBBBB",
    "XBBBBBBBBBBBBBBX",
    "XBBBBBXXXXBBBBBX",
    "XXXBBBBBBBBBBXXX",
    "X--BBBBBBBBBB--X",
    "XXXXXXBBBBBBBBXX",
    "XXBBBBBBBBXXXXXX",
    "----------------",
    "X--------------X",
    "XX------------XX",
    "XXXX--------XXXX",
    "XXXXXX----XXXXXX",
    "X---------XXXXXX",
    "X-----XXXXXXXXXX",
    "XXXXXXXXXX-----X",
    "XXXXXX---------X",
    "XX----XXXX----XX",
    "XX--------------",
    "--------------XX",
    "----------------",
};

namespace {

constexpr bool patternsWellFormed(const std::array<const char*, 32>& patterns, std::size_t length)
{
    for (const char* pattern : patterns) {
        const std::string_view text(pattern);
        if (text.size() != length || text.find_first_not_of("-xBX.") != std::string_view::npos)
            return false;
    }
    return true;
}
static_assert(patternsWellFormed(groundPatternsH, 15), "horizontal patterns have 15 rows");
static_assert(patternsWellFormed(groundPatternsV, 16), "vertical patterns have 16 columns");

} // namespace
} // namespace quorled
