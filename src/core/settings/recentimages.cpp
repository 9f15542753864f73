#include "core/settings/recentimages.h"

#include "core/settings/settingsfile.h"

#include "romdata/shownname.h"

#include <algorithm>
#include <iterator>

namespace quorled {

namespace {

constexpr const char* kSection = "Recent";

std::string key(std::size_t i) { return "File" + std::to_string(i + 1); }

// Whether the settings file can hold the name and give it back whole: not
// too long, no line break or other control character, no blank at either
// end (reading trims them), and well-formed UTF-8 (the window shows and
// opens names as such; other bytes would lead to another file).
bool keepable(const std::string& path)
{
    return !path.empty() && isWellFormedUtf8(path) && path.size() <= SettingsFile::kMaxValueLength && path.front() != ' ' &&
           path.back() != ' ' &&
           std::none_of(path.begin(), path.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

} // namespace

RecentImages RecentImages::read(const SettingsFile& file)
{
    RecentImages recent;
    // Gaps and repeats in a hand-edited file are dropped.
    for (std::size_t i = 0; i < kMax; ++i) {
        const std::string path = file.read(kSection, key(i));
        if (!path.empty() && std::find(recent.paths_.begin(), recent.paths_.end(), path) == recent.paths_.end())
            recent.paths_.push_back(path);
    }
    return recent;
}

void RecentImages::write(SettingsFile& file) const
{
    std::vector<std::string> kept;
    std::copy_if(paths_.begin(), paths_.end(), std::back_inserter(kept), keepable);
    // Keys past the list are emptied only where the file has them.
    for (std::size_t i = 0; i < kMax; ++i)
        if (i < kept.size() || file.value(kSection, key(i)))
            file.write(kSection, key(i), i < kept.size() ? kept[i] : std::string());
}

void RecentImages::add(const std::string& path)
{
    if (path.empty())
        return;
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kMax)
        paths_.resize(kMax);
}

} // namespace quorled
