#include "core/settings/settingsfile.h"

#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <sys/stat.h>

namespace quorled {

namespace {

std::string trimmed(const std::string& text)
{
    const auto blank = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r'; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && blank(static_cast<unsigned char>(text[last - 1])))
        --last;
    return text.substr(first, last - first);
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

SettingsFile SettingsFile::fromText(const std::string& text)
{
    SettingsFile file;
    std::string section;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') {
            raw.pop_back();
            file.crlf_ = true;
        }
        start = end + 1;

        Line line{raw, section, {}, false};
        const std::string content = trimmed(raw);
        if (!content.empty() && content.front() == '[') {
            const std::size_t close = content.find(']');
            section = lowered(trimmed(content.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
            line.section = section;
            line.isSection = true;
        } else if (!content.empty() && content.front() != ';') {
            const std::size_t equals = content.find('=');
            if (equals != std::string::npos)
                line.key = lowered(trimmed(content.substr(0, equals)));
        }
        file.lines_.push_back(std::move(line));
    }
    return file;
}

SettingsFile SettingsFile::load(const std::string& path)
{
    try {
        const std::vector<std::uint8_t> bytes = readWholeFile(path, {kTextFileLimit.bytes, "a settings file"});
        return fromText(std::string(bytes.begin(), bytes.end()));
    } catch (const ImageError& error) {
        SettingsFile empty;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 || errno != ENOENT)
            empty.unreadable_ = error.what();
        return empty;
    }
}

std::optional<std::string> SettingsFile::value(const std::string& section, const std::string& key) const
{
    const std::string s = lowered(section);
    const std::string k = lowered(key);
    bool inSection = false;
    for (const Line& line : lines_) {
        if (line.isSection) {
            inSection = line.section == s;
            continue;
        }
        if (!inSection || line.key.empty() || line.key != k)
            continue;
        std::string v = trimmed(line.text.substr(line.text.find('=') + 1));
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.substr(1, v.size() - 2);
        if (v.size() > kMaxValueLength)
            v.resize(kMaxValueLength);
        return v;
    }
    return std::nullopt;
}

std::string SettingsFile::read(const std::string& section, const std::string& key) const
{
    return value(section, key).value_or(std::string{});
}

void SettingsFile::write(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string s = lowered(section);
    const std::string k = lowered(key);
    const std::string text = key + "=" + value;
    // The last line that belongs to the section (its heading or a key).
    std::optional<std::size_t> lastOfSection;
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (line.isSection) {
            inSection = line.section == s;
            if (inSection)
                lastOfSection = i;
            continue;
        }
        if (!inSection)
            continue;
        if (line.key == k) {
            line.text = text;
            return;
        }
        if (!trimmed(line.text).empty())
            lastOfSection = i;
    }
    if (lastOfSection) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*lastOfSection + 1), Line{text, s, k, false});
        return;
    }
    lines_.push_back(Line{"[" + section + "]", s, {}, true});
    lines_.push_back(Line{text, s, k, false});
}

std::string SettingsFile::text() const
{
    const char* end = crlf_ ? "\r\n" : "\n";
    std::string out;
    for (const Line& line : lines_)
        out += line.text + end;
    return out;
}

void SettingsFile::save(const std::string& path) const
{
    if (!unreadable_.empty())
        throw ImageError("The settings file " + shownName(path) + " could not be read, so it was left as it was "
                         "and the settings were not saved. " + unreadable_);
    if (isReadOnlyFile(path))
        throw ImageError("The settings file " + shownName(path) + " is read-only, so the settings were not saved.");
    const std::string contents = text();
    writeWholeFile(path, std::vector<std::uint8_t>(contents.begin(), contents.end()));
}

} // namespace quorled
