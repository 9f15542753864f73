#include "core/exchange/jsondocument.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <vector>

namespace quorled {

namespace {

// A character iterator that notes how far the parser has read, so that
// faults found by the handler below name the place they were found.
class CountingIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    CountingIterator(const char* at, std::size_t* read) : at_(at), read_(read) {}
    reference operator*() const { return *at_; }
    CountingIterator& operator++()
    {
        ++at_;
        ++*read_;
        return *this;
    }
    CountingIterator operator++(int)
    {
        CountingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const CountingIterator& other) const { return at_ == other.at_; }
    bool operator!=(const CountingIterator& other) const { return at_ != other.at_; }

private:
    const char* at_;
    std::size_t* read_;
};

std::string place(const std::string& text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    const auto begin = text.begin();
    const auto end = begin + static_cast<std::ptrdiff_t>(offset);
    const long line = 1 + std::count(begin, end, '\n');
    const std::size_t lineStart = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    const std::size_t column =
        lineStart == std::string::npos || offset == 0 ? offset + 1 : offset - lineStart;
    return "line " + std::to_string(line) + ", column " + std::to_string(std::max<std::size_t>(column, 1));
}

// Builds the document from the parser's events and enforces the limits,
// whole numbers and unique keys as the events arrive.
class Builder : public nlohmann::json_sax<JsonValue> {
public:
    Builder(const std::string& text, const std::size_t& read, const JsonLimits& limits)
        : text_(text), read_(read), limits_(limits)
    {
    }

    JsonValue result;

    bool null() override { return add(nullptr); }
    bool boolean(bool value) override { return add(value); }
    bool number_integer(number_integer_t value) override { return add(value); }
    bool number_unsigned(number_unsigned_t value) override
    {
        if (value > static_cast<number_unsigned_t>(std::numeric_limits<number_integer_t>::max()))
            fail("a number is too large");
        return add(static_cast<number_integer_t>(value));
    }
    bool number_float(number_float_t, const string_t& token) override
    {
        if (token.find_first_of(".eE") == std::string::npos)
            fail("a number is too large");
        fail("only whole numbers are allowed");
    }
    bool string(string_t& value) override { return add(std::move(value)); }
    bool binary(binary_t&) override { fail("binary values are not JSON text"); }

    bool start_object(std::size_t) override { return open(JsonValue::object()); }
    bool key(string_t& name) override
    {
        JsonValue& object = *stack_.back();
        if (object.size() >= limits_.maxMembers)
            fail("an object has more than " + std::to_string(limits_.maxMembers) + " members");
        if (object.contains(name))
            fail("the key \"" + name + "\" appears twice");
        key_ = &object[name];
        return true;
    }
    bool end_object() override { return close(); }
    bool start_array(std::size_t) override { return open(JsonValue::array()); }
    bool end_array() override { return close(); }

    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& error) override
    {
        // The library's message after its own "line, column" prefix.
        std::string what = error.what();
        const std::size_t colon = what.find(": ");
        if (colon != std::string::npos)
            what.erase(0, colon + 2);
        throw JsonError(place(text_, position == 0 ? 0 : position - 1) + ": " + what);
    }

private:
    const std::string& text_;
    const std::size_t& read_;
    const JsonLimits& limits_;
    std::vector<JsonValue*> stack_;
    JsonValue* key_ = nullptr;

    [[noreturn]] void fail(const std::string& what) const
    {
        throw JsonError(place(text_, read_ == 0 ? 0 : read_ - 1) + ": " + what);
    }

    // Where the next value goes: the root, the member named last, or the end
    // of the array being read.
    JsonValue* slot()
    {
        if (stack_.empty())
            return &result;
        JsonValue& parent = *stack_.back();
        if (parent.is_object())
            return std::exchange(key_, nullptr);
        if (parent.size() >= limits_.maxItems)
            fail("an array has more than " + std::to_string(limits_.maxItems) + " entries");
        parent.push_back(nullptr);
        return &parent.back();
    }

    bool add(JsonValue value)
    {
        *slot() = std::move(value);
        return true;
    }

    bool open(JsonValue empty)
    {
        if (stack_.size() >= static_cast<std::size_t>(limits_.maxDepth))
            fail("values are nested too deeply");
        JsonValue* at = slot();
        *at = std::move(empty);
        stack_.push_back(at);
        return true;
    }

    bool close()
    {
        stack_.pop_back();
        return true;
    }
};

void writeText(const nlohmann::ordered_json& value, std::string& out)
{
    if (value.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& [name, member] : value.items()) {
            out += first ? "" : ", ";
            first = false;
            out += nlohmann::ordered_json(name).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
            out += ": ";
            writeText(member, out);
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        for (std::size_t i = 0; i < value.size(); ++i) {
            out += i ? ", " : "";
            writeText(value[i], out);
        }
        out += ']';
    } else {
        out += value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }
}

} // namespace

JsonValue parseJson(const std::string& document, const JsonLimits& limits)
{
    std::size_t read = 0;
    Builder builder(document, read, limits);
    const CountingIterator first(document.data(), &read);
    const CountingIterator last(document.data() + document.size(), &read);
    JsonValue::sax_parse(first, last, &builder, nlohmann::json::input_format_t::json, true);
    return std::move(builder.result);
}

const char* jsonTypeName(const JsonValue& value)
{
    switch (value.type()) {
    case JsonValue::value_t::null: return "null";
    case JsonValue::value_t::boolean: return "a boolean";
    case JsonValue::value_t::number_integer:
    case JsonValue::value_t::number_unsigned:
    case JsonValue::value_t::number_float: return "a number";
    case JsonValue::value_t::string: return "a string";
    case JsonValue::value_t::array: return "an array";
    case JsonValue::value_t::object: return "an object";
    default: return "a value";
    }
}

std::string jsonText(const nlohmann::ordered_json& value)
{
    std::string out;
    writeText(value, out);
    return out;
}

} // namespace quorled
