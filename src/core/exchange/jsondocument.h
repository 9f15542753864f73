#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <stdexcept>
#include <string>

namespace quorled {

// A JSON text that does not follow the grammar or passes a limit; the
// message names the line and column.
class JsonError : public std::runtime_error {
public:
    explicit JsonError(const std::string& message) : std::runtime_error(message) {}
};

// One value of a JSON document read by parseJson. Numbers are whole numbers
// only: the files this reads hold nothing else.
using JsonValue = nlohmann::json;

// What a document may hold. A document that passes a limit is refused as
// soon as the parser reaches that point, before the rest is read.
struct JsonLimits {
    std::size_t maxMembers = 64;      // members of one object
    std::size_t maxItems = 1u << 16;  // entries of one array
    int maxDepth = 64;                // nested arrays and objects
};

// Parses a whole document strictly: one value, nothing but blanks after it,
// no duplicate keys, no fractions or exponents, within `limits`.
JsonValue parseJson(const std::string& document, const JsonLimits& limits = {});

// "a number", "an object" and so on, for messages.
const char* jsonTypeName(const JsonValue& value);

// A value on one line in the form the programs print: ", " between entries
// and ": " after keys. Names that are not UTF-8 are written with U+FFFD.
std::string jsonText(const nlohmann::ordered_json& value);

} // namespace quorled
