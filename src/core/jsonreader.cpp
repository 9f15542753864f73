#include "jsonreader.h"

#include <limits>

namespace quorled {

namespace {

class Parser {
public:
    explicit Parser(const std::string& text) : text_(text) {}

    JsonValue document()
    {
        JsonValue value = parseValue(0);
        skipBlanks();
        if (pos_ < text_.size())
            fail("unexpected text after the end of the document");
        return value;
    }

private:
    const std::string& text_;
    std::size_t pos_ = 0;

    [[noreturn]] void fail(const std::string& what) const
    {
        int line = 1;
        int column = 1;
        for (std::size_t i = 0; i < pos_ && i < text_.size(); ++i) {
            if (text_[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        throw JsonError("line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what);
    }

    void skipBlanks()
    {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }

    bool take(char c)
    {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    void expectWord(const char* word)
    {
        for (const char* w = word; *w; ++w)
            if (!take(*w))
                fail(std::string("expected \"") + word + "\"");
    }

    JsonValue parseValue(int depth)
    {
        if (depth > 64)
            fail("values are nested too deeply");
        skipBlanks();
        if (pos_ >= text_.size())
            fail("unexpected end of the document");
        JsonValue value;
        const char c = text_[pos_];
        if (c == '{') {
            value.type = JsonValue::Type::Object;
            parseObject(value, depth);
        } else if (c == '[') {
            value.type = JsonValue::Type::Array;
            parseArray(value, depth);
        } else if (c == '"') {
            value.type = JsonValue::Type::String;
            value.text = parseString();
        } else if (c == 't' || c == 'f') {
            value.type = JsonValue::Type::Bool;
            value.boolean = c == 't';
            expectWord(c == 't' ? "true" : "false");
        } else if (c == 'n') {
            expectWord("null");
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            value.type = JsonValue::Type::Number;
            value.number = parseNumber();
        } else {
            fail(std::string("unexpected character '") + c + "'");
        }
        return value;
    }

    void parseObject(JsonValue& value, int depth)
    {
        ++pos_;
        skipBlanks();
        if (take('}'))
            return;
        for (;;) {
            skipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != '"')
                fail("expected a key in quotes");
            std::string key = parseString();
            if (value.find(key))
                fail("the key \"" + key + "\" appears twice");
            skipBlanks();
            if (!take(':'))
                fail("expected ':' after a key");
            value.members.push_back(JsonMember{std::move(key), parseValue(depth + 1)});
            skipBlanks();
            if (take('}'))
                return;
            if (!take(','))
                fail("expected ',' or '}'");
        }
    }

    void parseArray(JsonValue& value, int depth)
    {
        ++pos_;
        skipBlanks();
        if (take(']'))
            return;
        for (;;) {
            value.items.push_back(parseValue(depth + 1));
            skipBlanks();
            if (take(']'))
                return;
            if (!take(','))
                fail("expected ',' or ']'");
        }
    }

    std::string parseString()
    {
        ++pos_;
        std::string out;
        for (;;) {
            if (pos_ >= text_.size())
                fail("a string is not closed");
            const char c = text_[pos_++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                fail("a control character stands inside a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size())
                fail("a string is not closed");
            const char e = text_[pos_++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': out += parseUnicodeEscape(); break;
            default: fail(std::string("unknown escape \\") + e);
            }
        }
    }

    // \uXXXX as UTF-8; surrogate pairs are kept as two code units, which the
    // names this reads never hold.
    std::string parseUnicodeEscape()
    {
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            if (pos_ >= text_.size())
                fail("a \\u escape needs four hexadecimal digits");
            const char h = text_[pos_++];
            code *= 16;
            if (h >= '0' && h <= '9')
                code += static_cast<unsigned>(h - '0');
            else if (h >= 'a' && h <= 'f')
                code += static_cast<unsigned>(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F')
                code += static_cast<unsigned>(h - 'A' + 10);
            else
                fail("a \\u escape needs four hexadecimal digits");
        }
        std::string out;
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
        return out;
    }

    long long parseNumber()
    {
        const bool negative = take('-');
        if (pos_ >= text_.size() || text_[pos_] < '0' || text_[pos_] > '9')
            fail("expected a digit");
        if (text_[pos_] == '0' && pos_ + 1 < text_.size() && text_[pos_ + 1] >= '0' && text_[pos_ + 1] <= '9')
            fail("a number must not start with 0");
        long long value = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            const int digit = text_[pos_++] - '0';
            if (value > (std::numeric_limits<long long>::max() - digit) / 10)
                fail("a number is too large");
            value = value * 10 + digit;
        }
        if (pos_ < text_.size() && (text_[pos_] == '.' || text_[pos_] == 'e' || text_[pos_] == 'E'))
            fail("only whole numbers are allowed");
        return negative ? -value : value;
    }
};

} // namespace

const JsonValue* JsonValue::find(const std::string& key) const
{
    for (const auto& [name, value] : members)
        if (name == key)
            return &value;
    return nullptr;
}

JsonValue parseJson(const std::string& document) { return Parser(document).document(); }

const char* jsonTypeName(JsonValue::Type type)
{
    switch (type) {
    case JsonValue::Type::Null: return "null";
    case JsonValue::Type::Bool: return "a boolean";
    case JsonValue::Type::Number: return "a number";
    case JsonValue::Type::String: return "a string";
    case JsonValue::Type::Array: return "an array";
    case JsonValue::Type::Object: return "an object";
    }
    return "a value";
}

} // namespace quorled
