#include "core/settings/editorsettings.h"

#include "core/settings/settingsfile.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace quorled {

namespace {

constexpr const char* kLoad = "Load";
constexpr const char* kOptions = "Options";
constexpr const char* kIni = "INI";
constexpr int kLastArea = 209;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string iniKey(int i) { return std::to_string(i) + "IniSaveSettings"; }

// The rounded number of a key, or nullopt when the key is missing or empty
// or its value lies outside low..high.
std::optional<long> numberInRange(const SettingsFile& file, const char* section, const char* key, long low,
                                  long high)
{
    const std::string text = file.read(section, key);
    if (text.empty())
        return std::nullopt;
    const double value = leadingNumericValue(text);
    if (!(value > low - 1.0 && value < high + 1.0))
        return std::nullopt;
    const long rounded = roundHalfEven(value);
    if (rounded < low || rounded > high)
        return std::nullopt;
    return rounded;
}

bool truthOf(const SettingsFile& file, const char* section, const std::string& key, bool fallback)
{
    const std::string text = file.read(section, key);
    if (text.empty())
        return fallback;
    return leadingNumericValue(text) != 0.0;
}

} // namespace

double leadingNumericValue(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool digits = false;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && isDigit(text[j])) {
            ++j;
            digits = true;
        }
        if (digits)
            i = j;
    }
    if (!digits)
        return 0.0;
    // strtod gives HUGE_VAL for numbers past the range instead of throwing.
    return std::strtod(text.substr(start, i - start).c_str(), nullptr);
}

long roundHalfEven(double value)
{
    // The default rounding mode rounds halves to the even neighbour.
    return static_cast<long>(std::nearbyint(value));
}

std::string settingsNumberText(long value)
{
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string settingsBoolText(bool value) { return value ? "-1" : " 0"; }

std::string settingsFilePath(const std::string& xdgConfigHome, const std::string& home)
{
    const auto join = [](std::string folder, const char* rest) {
        if (folder.back() != '/')
            folder += '/';
        return folder + rest;
    };
    // A relative $XDG_CONFIG_HOME is invalid and is ignored.
    if (!xdgConfigHome.empty() && xdgConfigHome.front() == '/')
        return join(xdgConfigHome, "Quorled.ini");
    if (!home.empty())
        return join(home, ".config/Quorled.ini");
    return {};
}

EditorSettings EditorSettings::read(const SettingsFile& file)
{
    EditorSettings s;
    if (std::string name = file.read(kLoad, "Filename"); !name.empty())
        s.fileName = name;
    s.referenceImage = file.read(kLoad, "ReferenceImage");
    s.startArea = static_cast<int>(numberInRange(file, kOptions, "StartArea", 0, kLastArea).value_or(0));
    s.groundView = static_cast<int>(numberInRange(file, kOptions, "GroundView", 0, 2).value_or(1));
    s.pageView = static_cast<int>(numberInRange(file, kOptions, "PageView", 0, 1).value_or(0));
    s.objectMarks = static_cast<int>(numberInRange(file, kOptions, "ObjectMarks", 0, 1).value_or(0));
    s.pointersFollowDoors = truthOf(file, kOptions, "PointersFollowDoors", true);
    s.showPointersAsObjects = truthOf(file, kOptions, "ShowPointersAsObjects", false);
    s.zoom = static_cast<int>(numberInRange(file, kOptions, "Zoom", 1, 4).value_or(kDefaultZoom));
    s.keepBackup = truthOf(file, kOptions, "Backup", true);
    s.askBeforeDiscarding = truthOf(file, kOptions, "AskBeforeDiscarding", true);
    s.saveBeforeTesting = truthOf(file, kOptions, "SaveBeforeTesting", false);
    for (int i = 0; i < 7; ++i)
        s.saveChecks[static_cast<std::size_t>(i)] = truthOf(file, kIni, iniKey(i), true);
    return s;
}

void writeShutdownSettings(SettingsFile& file, const ShutdownValues& v)
{
    const auto checked = [&](int i) { return v.saveChecks[static_cast<std::size_t>(i)]; };
    if (checked(0))
        file.write(kLoad, "Filename", v.romFileName);
    // The item captioned "Save area number" decides about the ground view
    // and the one captioned "Save "ground view" setting" about the area.
    if (checked(1))
        file.write(kOptions, "GroundView", settingsNumberText(v.groundView));
    if (checked(2))
        file.write(kOptions, "StartArea", settingsNumberText(v.currentArea));
    if (checked(3))
        file.write(kOptions, "PageView", settingsNumberText(v.pageView));
    if (checked(4))
        file.write(kOptions, "ObjectMarks", settingsNumberText(v.objectMarks));
    if (checked(5))
        file.write(kOptions, "PointersFollowDoors", settingsBoolText(v.pointersFollowDoors));
    if (checked(6))
        file.write(kOptions, "ShowPointersAsObjects", settingsBoolText(v.showPointersAsObjects));
    for (int i = 0; i < 7; ++i)
        file.write(kIni, iniKey(i), settingsBoolText(checked(i)));
    if (!v.referenceImage.empty())
        file.write(kLoad, "ReferenceImage", v.referenceImage);
    file.write(kOptions, "Zoom", settingsNumberText(v.zoom));
    file.write(kOptions, "Backup", settingsBoolText(v.keepBackup));
    file.write(kOptions, "AskBeforeDiscarding", settingsBoolText(v.askBeforeDiscarding));
    file.write(kOptions, "SaveBeforeTesting", settingsBoolText(v.saveBeforeTesting));
}

} // namespace quorled
