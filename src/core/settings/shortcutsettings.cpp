#include "core/settings/shortcutsettings.h"

#include "core/settings/settingsfile.h"

#include <algorithm>

namespace quorled {

std::vector<ShortcutSettings::Binding> ShortcutSettings::read(const SettingsFile& file, std::vector<Binding> defaults)
{
    for (Binding& binding : defaults)
        if (const auto keys = file.value(kSection, binding.name))
            binding.keys = *keys;
    return defaults;
}

void ShortcutSettings::write(SettingsFile& file, const std::vector<Binding>& bindings,
                             const std::vector<Binding>& defaults)
{
    for (const Binding& binding : bindings) {
        const auto fallback = std::find_if(defaults.begin(), defaults.end(),
                                           [&](const Binding& d) { return d.name == binding.name; });
        const bool stored = file.value(kSection, binding.name).has_value();
        if (stored || fallback == defaults.end() || fallback->keys != binding.keys)
            file.write(kSection, binding.name, binding.keys);
    }
}

std::vector<std::string> ShortcutSettings::splitKeys(const std::string& keys)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= keys.size()) {
        std::size_t end = keys.find(", ", start);
        if (end == std::string::npos)
            end = keys.size();
        if (end > start)
            out.push_back(keys.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

std::string ShortcutSettings::holder(const std::vector<Binding>& bindings, const std::string& name,
                                     const std::string& key)
{
    if (key.empty())
        return {};
    for (const Binding& binding : bindings) {
        if (binding.name == name)
            continue;
        const std::vector<std::string> keys = splitKeys(binding.keys);
        if (std::find(keys.begin(), keys.end(), key) != keys.end())
            return binding.name;
    }
    return {};
}

std::string ShortcutSettings::commandName(const std::string& caption)
{
    std::string name;
    for (char c : caption)
        if (c != '&')
            name += c;
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
    return name;
}

} // namespace quorled
