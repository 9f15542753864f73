#include "cliargs.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace quorled::cli {

CliArgs::CliArgs(const std::vector<std::string>& words, const std::vector<std::string>& valued,
                 const std::vector<std::string>& flags)
{
    CLI::App app;
    app.set_help_flag();
    app.allow_extras();
    app.add_option("arguments", positional_);
    std::vector<std::pair<std::string, CLI::Option*>> values;
    std::vector<std::pair<std::string, CLI::Option*>> switches;
    for (const std::string& name : valued)
        values.emplace_back(name, app.add_option(name)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast));
    for (const auto* list : {&flags, &commonFlags()})
        for (const std::string& name : *list)
            if (!app.get_option_no_throw(name))
                switches.emplace_back(name, app.add_flag(name));
    // The library reads the words back to front.
    std::vector<std::string> reversed(words.rbegin(), words.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ArgumentMismatch& error) {
        for (const auto& [name, option] : values)
            if (std::string(error.what()).rfind(name, 0) == 0)
                throw UsageError("option " + name + " needs a value");
        throw UsageError(error.what());
    } catch (const CLI::ParseError& error) {
        throw UsageError(error.what());
    }
    // The library keeps the "--" that ends the options among the extras.
    std::vector<std::string> extras = app.remaining();
    if (const auto mark = std::find(extras.begin(), extras.end(), "--"); mark != extras.end())
        extras.erase(mark);
    for (const std::string& extra : extras)
        throw UsageError((extra.rfind('-', 0) == 0 ? "unknown option " : "unexpected argument ") + extra);
    for (const auto& [name, option] : values)
        if (option->count() > 0)
            values_.emplace_back(name, option->as<std::string>());
    for (const auto& [name, option] : switches)
        if (option->count() > 0)
            flags_.push_back(name);
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

bool CliArgs::flag(const std::string& name) const { return std::find(flags_.begin(), flags_.end(), name) != flags_.end(); }

std::optional<std::string> CliArgs::value(const std::string& name) const
{
    for (const auto& [key, text] : values_)
        if (key == name)
            return text;
    return std::nullopt;
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
