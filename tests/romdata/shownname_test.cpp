#include "romdata/shownname.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

TEST(ShownName, ControlCharactersAreEscapedAndEverythingElseKept)
{
    const struct {
        std::string name;
        std::string shown;
    } cases[] = {
        {"/tmp/quorl.nes", "/tmp/quorl.nes"},
        {"k\xC3\xA9p.nes", "k\xC3\xA9p.nes"},
        {"a\nb\tc\rd", "a\\nb\\tc\\rd"},
        {std::string("nul\0x", 5), "nul\\x00x"},
        {"\x1b[31mred\x7f", "\\x1B[31mred\\x7F"},
        // A backslash that would read as an escape is doubled; others stay.
        {"a\\nb", "a\\\\nb"},
        {"C:\\games\\quorl.nes", "C:\\games\\quorl.nes"},
        {"end\\", "end\\"},
        // Bytes that are no well-formed UTF-8 are escaped, so that two names
        // never look alike; so are the C1 controls U+0080..U+009F.
        {"bad\xff.nes", "bad\\xFF.nes"},
        {"bad\xEF\xBF\xBD.nes", "bad\xEF\xBF\xBD.nes"},
        {"\xC2\x9B" "31m", "\\xC2\\x9B31m"},
        {"\xC0\xAF", "\\xC0\\xAF"},             // overlong
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},   // surrogate
        {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"}, // past U+10FFFF
        {"cut\xE2\x82", "cut\\xE2\\x82"},
        {"\xF0\x9F\x8E\xAE", "\xF0\x9F\x8E\xAE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shownName(c.name), c.shown) << c.shown;
        EXPECT_EQ(shownName(c.name).find('\n'), std::string::npos);
        EXPECT_TRUE(isWellFormedUtf8(shownName(c.name))) << c.shown;
    }
}

} // namespace
} // namespace quorled
