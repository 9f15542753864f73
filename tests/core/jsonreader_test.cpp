#include "core/jsonreader.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

TEST(JsonReader, ReadsNestedValues)
{
    const JsonValue v = parseJson(" {\"a\": [1, -20, true, false, null], \"b\": {\"c\": \"x\\\"\\u00e9\\n\"}} \n");
    ASSERT_EQ(v.type, JsonValue::Type::Object);
    const JsonValue* a = v.find("a");
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->items.size(), 5U);
    EXPECT_EQ(a->items[0].number, 1);
    EXPECT_EQ(a->items[1].number, -20);
    EXPECT_TRUE(a->items[2].boolean);
    EXPECT_EQ(a->items[3].type, JsonValue::Type::Bool);
    EXPECT_EQ(a->items[4].type, JsonValue::Type::Null);
    EXPECT_EQ(v.find("b")->find("c")->text, "x\"\xC3\xA9\n");
    EXPECT_EQ(v.find("missing"), nullptr);
}

TEST(JsonReader, RefusesWhatIsNotStrictJson)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "line 1, column 1: unexpected end"},
        {"{\"a\": 1,}", "expected a key"},
        {"[1, 2", "expected ',' or ']'"},
        {"{\"a\": 1, \"a\": 2}", "appears twice"},
        {"1.5", "only whole numbers"},
        {"1e3", "only whole numbers"},
        {"012", "must not start with 0"},
        {"99999999999999999999", "too large"},
        {"\"abc", "not closed"},
        {"\"a\\qb\"", "unknown escape"},
        {"tru", "expected \"true\""},
        {"{} x", "after the end"},
        {"{\n  \"a\": ?}", "line 2, column 8"},
        {"'a'", "unexpected character"},
    };
    for (const auto& c : cases) {
        try {
            parseJson(c.text);
            ADD_FAILURE() << "accepted " << c.text;
        } catch (const JsonError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << c.text << ": " << error.what();
        }
    }
}

TEST(JsonReader, DeepNestingIsRefusedNotOverflowed)
{
    EXPECT_THROW(parseJson(std::string(100000, '[')), JsonError);
}

} // namespace
} // namespace quorled
