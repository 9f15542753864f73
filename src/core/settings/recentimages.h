#pragma once

#include <string>
#include <vector>

namespace quorled {

class SettingsFile;

// The images opened last, newest first, as "Open re&cent" lists them and
// the settings file keeps them ("Recent"/"File1".."File8").
class RecentImages {
public:
    static constexpr std::size_t kMax = 8;

    static RecentImages read(const SettingsFile& file);
    // Names the settings file could not give back whole (too long, line
    // breaks) are left out of it.
    void write(SettingsFile& file) const;

    // Puts `path` first; an earlier entry of the same name goes, and the
    // list keeps its newest kMax entries. Paths are compared as given, so
    // the caller passes absolute, cleaned names.
    void add(const std::string& path);

    const std::vector<std::string>& paths() const { return paths_; }

private:
    std::vector<std::string> paths_;
};

} // namespace quorled
