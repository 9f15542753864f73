#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorled {

// A settings file in the usual profile layout: "[Section]" lines followed by
// "key=value" lines. Section and key names compare without regard to letter
// case; everything else in the file (other sections, other keys, comments)
// is kept when values are changed and the file is written again.
class SettingsFile {
public:
    // At most this many characters of a value are read.
    static constexpr std::size_t kMaxValueLength = 254;

    SettingsFile() = default;
    // Parses file contents (lines end in "\n" or "\r\n").
    static SettingsFile fromText(const std::string& text);
    // Reads a file; a missing or unreadable file gives an empty one. One
    // that exists but cannot be read (too long, no permission, no plain
    // file) remembers why, and is never saved over.
    static SettingsFile load(const std::string& path);
    // Why the file that was loaded could not be read; empty when it could
    // (or did not exist).
    const std::string& unreadable() const { return unreadable_; }

    // The value text, cut to kMaxValueLength characters, with blanks around
    // it removed as the profile functions do; nullopt when the key is missing.
    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    // The value text, or an empty text when the key is missing.
    std::string read(const std::string& section, const std::string& key) const;
    // Replaces the key's value, or adds the key (and its section) at the end.
    void write(const std::string& section, const std::string& key, const std::string& value);

    std::string text() const;
    // Replaces the file as a whole (temporary file, then rename). Throws
    // ImageError naming the file and the reason, also for a file that was
    // loaded but could not be read: that one stays as it is.
    void save(const std::string& path) const;

private:
    struct Line {
        std::string text;
        std::string section; // lower case; set on "[..]" lines
        std::string key;     // lower case; set on key lines
        bool isSection = false;
    };
    std::vector<Line> lines_;
    bool crlf_ = false;
    std::string unreadable_;
};

} // namespace quorled
