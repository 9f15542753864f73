#include "core/settings/desktopdefault.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <utility>

namespace quorled {

namespace {

// Desktop files and lists larger than this are not read.
constexpr std::streamsize kMaxFileSize = 1 << 20;

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

bool isFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The value of `key` in `section` of a key file, or nullopt.
std::optional<std::string> keyFileValue(const std::string& path, const std::string& section, const std::string& key)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string line;
    std::string current;
    std::streamsize read = 0;
    while (std::getline(in, line) && (read += static_cast<std::streamsize>(line.size()) + 1) <= kMaxFileSize) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            current = line.substr(1, line.find(']') == std::string::npos ? 0 : line.find(']') - 1);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current != section || equals == std::string::npos)
            continue;
        std::string name = line.substr(0, equals);
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        if (name != key)
            continue;
        std::size_t start = equals + 1;
        while (start < line.size() && line[start] == ' ')
            ++start;
        return line.substr(start);
    }
    return std::nullopt;
}

// A key file string's escapes: \s \n \t \r \\.
std::string unescapeValue(const std::string& value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char c = value[++i];
        if (c == 's' || c == 'n' || c == 't' || c == 'r' || c == '\\')
            out += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : '\\';
        else
            out += std::string{'\\', c};
    }
    return out;
}

} // namespace

DesktopDefault::DesktopDefault(std::function<std::string(const std::string&)> environment)
    : environment_(std::move(environment))
{
}

std::vector<std::string> DesktopDefault::configFolders() const
{
    const std::string home = environment_("HOME");
    std::string user = environment_("XDG_CONFIG_HOME");
    if (user.empty() && !home.empty())
        user = home + "/.config";
    std::vector<std::string> folders;
    if (!user.empty())
        folders.push_back(user);
    const std::string system = environment_("XDG_CONFIG_DIRS");
    for (const std::string& folder : split(system.empty() ? "/etc/xdg" : system, ':'))
        folders.push_back(folder);
    return folders;
}

std::vector<std::string> DesktopDefault::dataFolders() const
{
    const std::string home = environment_("HOME");
    std::string user = environment_("XDG_DATA_HOME");
    if (user.empty() && !home.empty())
        user = home + "/.local/share";
    std::vector<std::string> folders;
    if (!user.empty())
        folders.push_back(user);
    const std::string system = environment_("XDG_DATA_DIRS");
    for (const std::string& folder : split(system.empty() ? "/usr/local/share:/usr/share" : system, ':'))
        folders.push_back(folder);
    return folders;
}

std::string DesktopDefault::entryPath(const std::string& entry) const
{
    if (entry.empty() || entry.find('/') != std::string::npos)
        return {};
    for (const std::string& folder : dataFolders())
        if (const std::string path = folder + "/applications/" + entry; isFile(path))
            return path;
    return {};
}

std::optional<std::string> DesktopDefault::defaultEntry(const std::string& mimeType) const
{
    // The user's lists first, then the system's; in each the first entry
    // that is installed wins. Without a default, the applications that say
    // they open the type (the desktop's cache of them).
    std::vector<std::string> lists;
    for (const std::string& folder : configFolders())
        lists.push_back(folder + "/mimeapps.list");
    const std::vector<std::string> data = dataFolders();
    for (const std::string& folder : data)
        lists.push_back(folder + "/applications/mimeapps.list");
    for (const std::string& list : lists)
        if (const auto entries = keyFileValue(list, "Default Applications", mimeType))
            for (const std::string& entry : split(*entries, ';'))
                if (!entryPath(entry).empty())
                    return entry;
    for (const std::string& folder : data)
        if (const auto entries = keyFileValue(folder + "/applications/mimeinfo.cache", "MIME Cache", mimeType))
            for (const std::string& entry : split(*entries, ';'))
                if (!entryPath(entry).empty())
                    return entry;
    return std::nullopt;
}

std::vector<std::string> DesktopDefault::execWords(const std::string& exec, const std::string& file)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    bool placedFile = false;
    const std::string text = unescapeValue(exec);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < text.size() && std::string("\"`$\\").find(text[i + 1]) != std::string::npos) {
                word += text[++i];
            } else {
                word += c;
            }
            continue;
        }
        if (c == ' ' || c == '\t') {
            // A word made of dropped field codes alone is no word.
            if (inWord && !word.empty())
                words.push_back(std::exchange(word, {}));
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '"') {
            quoted = true;
        } else if (c == '%' && i + 1 < text.size()) {
            const char code = text[++i];
            if (code == '%') {
                word += '%';
            } else if (std::string("fFuU").find(code) != std::string::npos) {
                word += file;
                placedFile = true;
            }
            // Every other field code (icon, name, entry path) is dropped.
        } else {
            word += c;
        }
    }
    if (quoted)
        return {};
    if (inWord && !word.empty())
        words.push_back(word);
    if (words.empty())
        return {};
    if (!placedFile)
        words.push_back(file);
    return words;
}

std::vector<std::string> DesktopDefault::command(const std::string& mimeType, const std::string& file) const
{
    const auto entry = defaultEntry(mimeType);
    if (!entry)
        return {};
    const std::string path = entryPath(*entry);
    if (keyFileValue(path, "Desktop Entry", "Hidden").value_or("") == "true")
        return {};
    const auto exec = keyFileValue(path, "Desktop Entry", "Exec");
    return exec ? execWords(*exec, file) : std::vector<std::string>{};
}

} // namespace quorled
