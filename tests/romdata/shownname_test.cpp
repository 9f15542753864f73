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
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shownName(c.name), c.shown) << c.shown;
        EXPECT_EQ(shownName(c.name).find('\n'), std::string::npos);
    }
}

} // namespace
} // namespace quorled
