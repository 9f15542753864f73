#include "shownname.h"

namespace quorled {

namespace {

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

unsigned char byteAt(const std::string& text, std::size_t i)
{
    return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
}

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

} // namespace

std::size_t utf8SequenceLength(const std::string& text, std::size_t at)
{
    const unsigned char c = byteAt(text, at);
    if (at >= text.size())
        return 0;
    if (c < 0x80)
        return 1;
    // The allowed range of the second byte rules out overlong forms,
    // surrogates and values past U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0)
            low = 0xA0;
        if (c == 0xED)
            high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0)
            low = 0x90;
        if (c == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    const unsigned char second = byteAt(text, at + 1);
    if (at + 1 >= text.size() || second < low || second > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (at + i >= text.size() || !isContinuation(byteAt(text, at + i)))
            return 0;
    return length;
}

bool isWellFormedUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string shownName(const std::string& path)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string shown;
    shown.reserve(path.size());
    const auto escaped = [&](unsigned char c) {
        shown += "\\x";
        shown += digits[c >> 4];
        shown += digits[c & 15];
    };
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (c >= 0x80) {
            const std::size_t length = utf8SequenceLength(path, i);
            // U+0080..U+009F are control characters too (U+009B starts a
            // terminal sequence): both of their bytes are escaped.
            if (length == 2 && c == 0xC2 && byteAt(path, i + 1) < 0xA0) {
                escaped(c);
                escaped(byteAt(path, ++i));
            } else if (length == 0) {
                escaped(c);
            } else {
                shown.append(path, i, length);
                i += length - 1;
            }
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (isControl(c)) {
            escaped(c);
        } else if (c == '\\' && i + 1 < path.size() &&
                   (path[i + 1] == 'n' || path[i + 1] == 't' || path[i + 1] == 'r' || path[i + 1] == 'x' ||
                    path[i + 1] == '\\')) {
            // "a\nb" typed literally stays apart from a real newline.
            shown += "\\\\";
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

} // namespace quorled
