#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quorled {

// A JSON text that does not follow the grammar; the message names the line
// and column.
class JsonError : public std::runtime_error {
public:
    explicit JsonError(const std::string& message) : std::runtime_error(message) {}
};

// One value of a JSON document. Numbers are whole numbers only: the files
// this reads hold nothing else.
struct JsonMember;

struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    long long number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;

    // The member named `key` of an object, or nullptr.
    const JsonValue* find(const std::string& key) const;
};

struct JsonMember {
    std::string name;
    JsonValue value;
};

// Parses a whole document strictly: one value, nothing but blanks after it,
// no duplicate keys, no fractions or exponents.
JsonValue parseJson(const std::string& document);

const char* jsonTypeName(JsonValue::Type type);

} // namespace quorled
