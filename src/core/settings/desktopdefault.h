#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorled {

// The program the desktop opens a type of file with, as the shared MIME
// database's default applications say (the mimeapps.list files and the
// applications' desktop entries in the XDG folders).
class DesktopDefault {
public:
    // `environment` gives the value of a variable, or "" when it is unset;
    // passed in so tests choose the folders.
    explicit DesktopDefault(std::function<std::string(const std::string&)> environment);

    // The desktop entry (such as "viewer.desktop") that opens `mimeType`, or
    // nullopt when none is set or installed.
    std::optional<std::string> defaultEntry(const std::string& mimeType) const;

    // The full path of an installed desktop entry, or "".
    std::string entryPath(const std::string& entry) const;

    // The words that open `file` with the default application of
    // `mimeType`: its Exec line with the file in place of %f, %F, %u or %U
    // (or added last when it has none). Empty when there is no default.
    std::vector<std::string> command(const std::string& mimeType, const std::string& file) const;

    // The words of a desktop entry's Exec value, with `file` as above.
    // Empty for a line that does not follow the desktop entry rules.
    static std::vector<std::string> execWords(const std::string& exec, const std::string& file);

private:
    std::vector<std::string> configFolders() const;
    std::vector<std::string> dataFolders() const;
    std::function<std::string(const std::string&)> environment_;
};

} // namespace quorled
