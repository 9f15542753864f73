#include "core/exchange/areajson.h"
#include "core/exchange/jsondocument.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

std::string refusal(const std::string& text, const JsonLimits& limits = {})
{
    try {
        parseJson(text, limits);
    } catch (const JsonError& error) {
        return error.what();
    }
    return "accepted";
}

TEST(JsonDocument, ReadsNestedValues)
{
    const JsonValue v = parseJson(" {\"a\": [1, -20, true, false, null], \"b\": {\"c\": \"x\\\"\\u00e9\\n\"}} \n");
    ASSERT_TRUE(v.is_object());
    const JsonValue& a = v.at("a");
    ASSERT_EQ(a.size(), 5U);
    EXPECT_EQ(a[0].get<long long>(), 1);
    EXPECT_EQ(a[1].get<long long>(), -20);
    EXPECT_TRUE(a[2].get<bool>());
    EXPECT_TRUE(a[3].is_boolean());
    EXPECT_TRUE(a[4].is_null());
    EXPECT_EQ(v.at("b").at("c").get<std::string>(), "x\"\xC3\xA9\n");
    EXPECT_FALSE(v.contains("missing"));
}

TEST(JsonDocument, RefusesWhatIsNotStrictJsonNamingThePlace)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "line 1, column 1: "},
        {"{\"a\": 1,}", "line 1, column 9: "},
        {"[1, 2", "line 1, column 6: "},
        {"{\"a\": 1, \"a\": 2}", "line 1, column 12: the key \"a\" appears twice"},
        {"{\n\"b\": 0,\n\"b\": 2}", "line 3, column 3: the key \"b\" appears twice"},
        {"[1.5]", "only whole numbers"},
        {"1e3", "only whole numbers"},
        {"012", "line 1, column 3: "},
        {"99999999999999999999", "too large"},
        {"9223372036854775808", "too large"},
        {"\"abc", "line 1, column 5: "},
        {"\"a\\qb\"", "line 1, column 4: "},
        {"tru", "line 1, column 4: "},
        {"{} x", "line 1, column 4: "},
        {"{\n  \"a\": ?}", "line 2, column 8: "},
        {"'a'", "line 1, column 1: "},
    };
    for (const auto& c : cases)
        EXPECT_NE(refusal(c.text).find(c.message), std::string::npos) << c.text << ": " << refusal(c.text);
    EXPECT_EQ(parseJson("-9223372036854775808").get<long long>(), INT64_MIN);
}

// A hostile document is refused where it passes a limit, before the rest is
// read: a long object stops at the member after the last one allowed.
TEST(JsonDocument, RefusesLongObjectsLongArraysAndDeepNestingEarly)
{
    std::string manyKeys = "{";
    for (int i = 0; i < 200000; ++i)
        manyKeys += (i ? ",\"k" : "\"k") + std::to_string(i) + "\":0";
    manyKeys += "}";
    EXPECT_NE(refusal(manyKeys, kAreaJsonLimits).find("column 100: an object has more than 13 members"),
              std::string::npos)
        << refusal(manyKeys, kAreaJsonLimits);

    std::string longArray = "[0";
    for (int i = 0; i < 2000000; ++i)
        longArray += ",0";
    longArray += "]";
    EXPECT_NE(refusal(longArray, kAreaJsonLimits).find("an array has more than 32768 entries"), std::string::npos);
    std::string fullArray = "[0";
    for (int i = 1; i < 32768; ++i)
        fullArray += ",0";
    EXPECT_EQ(parseJson(fullArray + "]", kAreaJsonLimits).size(), 32768U);

    EXPECT_NE(refusal(std::string(100000, '[')).find("nested too deeply"), std::string::npos);
    EXPECT_NE(refusal(std::string(9, '['), kAreaJsonLimits).find("nested too deeply"), std::string::npos);
    EXPECT_EQ(refusal(std::string(8, '[') + std::string(8, ']'), kAreaJsonLimits), "accepted");
}

TEST(JsonDocument, WritesOneLineWithSpacesAndEscapes)
{
    const nlohmann::ordered_json value = {{"b", 1}, {"a", {1, -2}}, {"s", "q\"\\\n\x01"}, {"t", true}, {"e", {}}};
    EXPECT_EQ(jsonText(value), "{\"b\": 1, \"a\": [1, -2], \"s\": \"q\\\"\\\\\\n\\u0001\", \"t\": true, \"e\": null}");
    EXPECT_EQ(jsonText({{"bad", "\xff"}}), "{\"bad\": \"\xEF\xBF\xBD\"}");
    EXPECT_EQ(parseJson(jsonText(value)).at("s"), "q\"\\\n\x01");
}

} // namespace
} // namespace quorled
