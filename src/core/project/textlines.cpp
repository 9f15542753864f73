#include "core/project/textlines.h"

#include <algorithm>
#include <charconv>

namespace quorled {

ProjectTextError::ProjectTextError(const std::string& path, int line, int column, const std::string& what)
    : ImageError(path + ":" + std::to_string(line) + (column > 0 ? ":" + std::to_string(column) : std::string()) +
                 ": " + what),
      path_(path), line_(line), column_(column)
{
}

TextLines::TextLines(std::string path, const std::string& text) : path_(std::move(path))
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines_.push_back(text.substr(start));
            endsWithNewline_ = false;
            break;
        }
        lines_.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

bool TextLines::next()
{
    if (ended_)
        return false;
    while (nextLine_ < lines_.size()) {
        std::string content = lines_[nextLine_++];
        line_ = static_cast<int>(nextLine_);
        if (!content.empty() && content.back() == '\r')
            content.pop_back();
        const std::size_t hash = content.find('#');
        if (hash != std::string::npos)
            content.erase(hash);
        lineLength_ = static_cast<int>(content.size());
        words_.clear();
        std::size_t i = 0;
        while (i < content.size()) {
            const unsigned char c = static_cast<unsigned char>(content[i]);
            if (c == ' ' || c == '\t') {
                ++i;
                continue;
            }
            if (c < 0x20 || c == 0x7F)
                throw ProjectTextError(path_, line_, static_cast<int>(i) + 1, "a control character is not allowed here");
            const std::size_t begin = i;
            while (i < content.size() && content[i] != ' ' && content[i] != '\t')
                ++i;
            words_.push_back({content.substr(begin, i - begin), static_cast<int>(begin) + 1});
        }
        if (words_.empty())
            continue;
        if (words_[0].text == "end") {
            expectNoMoreWords(1, "\"end\"");
            for (std::size_t rest = nextLine_; rest < lines_.size(); ++rest) {
                std::string after = lines_[rest];
                const std::size_t hash = after.find('#');
                if (hash != std::string::npos)
                    after.erase(hash);
                if (after.find_first_not_of(" \t\r") != std::string::npos)
                    throw ProjectTextError(path_, static_cast<int>(rest) + 1, 0,
                                           "nothing may follow the closing line \"end\"");
            }
            ended_ = true;
            return false;
        }
        return true;
    }
    line_ = static_cast<int>(lines_.size()) + (endsWithNewline_ ? 1 : 0);
    throw ProjectTextError(path_, std::max(line_, 1), 0,
                           "the file ends before its closing line \"end\" (is it cut short?)");
}

std::string TextLines::restFrom(std::size_t i) const
{
    std::string rest;
    for (std::size_t w = i; w < words_.size(); ++w)
        rest += (w > i ? " " : "") + words_[w].text;
    return rest;
}

std::string TextLines::found(std::size_t i) const
{
    return i < words_.size() ? "found \"" + words_[i].text + "\"" : "found the end of the line";
}

void TextLines::fail(std::size_t i, const std::string& what) const
{
    const int column = i < words_.size() ? words_[i].column : lineLength_ + 1;
    throw ProjectTextError(path_, line_, column, what);
}

void TextLines::failLine(const std::string& what) const { throw ProjectTextError(path_, line_, 0, what); }

namespace {

std::string hexText(int value)
{
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value & 15]);
        value >>= 4;
    } while (value > 0);
    if (text.size() < 2)
        text.insert(text.begin(), '0');
    return text;
}

} // namespace

int TextLines::hexWord(std::size_t i, int min, int max, const std::string& what) const
{
    const std::string expected = "expected " + what + " (hexadecimal " + hexText(min) + ".." + hexText(max) + ")";
    if (i >= words_.size())
        fail(i, expected + ", " + found(i));
    const std::string& text = words_[i].text;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size() || text.size() > 8 || value < min || value > max)
        fail(i, expected + ", " + found(i));
    return value;
}

int TextLines::decimalWord(std::size_t i, int min, int max, const std::string& what) const
{
    const std::string expected =
        "expected " + what + " (" + std::to_string(min) + ".." + std::to_string(max) + ")";
    if (i >= words_.size())
        fail(i, expected + ", " + found(i));
    const std::string& text = words_[i].text;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max)
        fail(i, expected + ", " + found(i));
    return value;
}

void TextLines::expectNoMoreWords(std::size_t count, const std::string& after) const
{
    if (words_.size() > count)
        fail(count, "expected the end of the line after " + after + ", " + found(count));
}

void TextLines::expectKeyword(const std::string& keyword) const
{
    if (words_.empty() || words_[0].text != keyword)
        fail(0, "expected \"" + keyword + "\", " + found(0));
}

} // namespace quorled
