#include "cliargs.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace quorled::cli {

namespace {

bool contains(const std::vector<std::string>& list, const std::string& word)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

// "--name", or a dash and a letter ("-o"); "-5" stays a (negative) number.
bool isOptionWord(const std::string& word)
{
    if (word.size() > 2 && word.compare(0, 2, "--") == 0)
        return true;
    return word.size() == 2 && word[0] == '-' && std::isalpha(static_cast<unsigned char>(word[1]));
}

} // namespace

CliArgs::CliArgs(const std::vector<std::string>& words, const std::vector<std::string>& valued,
                 const std::vector<std::string>& flags)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (isOptionWord(word)) {
            if (contains(valued, word)) {
                if (i + 1 >= words.size())
                    throw UsageError("option " + word + " needs a value");
                values_.emplace_back(word, words[++i]);
            } else if (contains(flags, word) || contains(commonFlags(), word)) {
                flags_.push_back(word);
            } else {
                throw UsageError("unknown option " + word);
            }
        } else {
            positional_.push_back(word);
        }
    }
}

const std::vector<std::string>& CliArgs::commonFlags()
{
    static const std::vector<std::string> flags = {"--force", "--no-backup"};
    return flags;
}

const std::string& CliArgs::positional(std::size_t i) const { return positional_.at(i); }

void CliArgs::expectPositionals(std::size_t count) const
{
    if (positional_.size() < count)
        throw UsageError("missing arguments");
    if (positional_.size() > count)
        throw UsageError("unexpected argument \"" + positional_[count] + "\"");
}

bool CliArgs::flag(const std::string& name) const { return contains(flags_, name); }

std::optional<std::string> CliArgs::value(const std::string& name) const
{
    std::optional<std::string> found;
    for (const auto& [key, text] : values_)
        if (key == name)
            found = text;
    return found;
}

int parseNumber(const std::string& text, const std::string& what, int min, int max)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    char* end = nullptr;
    errno = 0;
    const long value = digits.empty() ? 0 : std::strtol(digits.c_str(), &end, hex ? 16 : 10);
    if (digits.empty() || *end != '\0' || errno != 0 || digits[0] == '+' || digits[0] == ' ' ||
        (hex && digits[0] == '-'))
        throw UsageError(what + " \"" + text + "\" is not a number");
    if (value < min || value > max)
        throw UsageError(what + " " + text + " is out of range (" + std::to_string(min) + ".." +
                         std::to_string(max) + ")");
    return static_cast<int>(value);
}

int parseAreaNumber(const std::string& text) { return parseNumber(text, "area", 0, 209); }

} // namespace quorled::cli
