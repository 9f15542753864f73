#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorled::cli {

// A mistake in how the command was called: printed with the usage, exit 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

// The words after the command name: positional arguments in order, and
// options "--name", "--name VALUE", "--name=VALUE" or a short one such as
// "-o VALUE"; after "--" every word is a positional argument. Every
// command also takes the common flags: --force (work on a file that does
// not start as an image of its kind does) and --no-backup (write the image
// without making NAME.bak).
class CliArgs {
public:
    static const std::vector<std::string>& commonFlags();

    // `valued` lists the options that take a value, `flags` those that don't.
    CliArgs(const std::vector<std::string>& words, const std::vector<std::string>& valued,
            const std::vector<std::string>& flags);

    const std::vector<std::string>& positional() const { return positional_; }
    const std::string& positional(std::size_t i) const;
    void expectPositionals(std::size_t count) const;
    bool flag(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const;

private:
    std::vector<std::string> positional_;
    std::vector<std::pair<std::string, std::string>> values_;
    std::vector<std::string> flags_;
};

// An area number, decimal or 0x-hexadecimal, 0..209.
int parseAreaNumber(const std::string& text);
// A whole number, decimal or 0x-hexadecimal, within min..max.
int parseNumber(const std::string& text, const std::string& what, int min, int max);

} // namespace quorled::cli
