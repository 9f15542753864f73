#pragma once

#include <array>
#include <optional>
#include <string>

namespace quorled {

class SettingsFile;

// The leading numeric value of a text: blanks skipped, an optionally signed
// decimal number with an optional fraction, read up to the first character
// that does not fit; no number gives 0. " 2" gives 2, "3x" 3, "x3" 0.
double leadingNumericValue(const std::string& text);
// Rounds halves to the even neighbour: 16.5 gives 16, 17.5 gives 18.
long roundHalfEven(double value);
// Settings number text: a leading blank when not negative (" 0", "-1", " 12").
std::string settingsNumberText(long value);
// Settings truth text: "-1" for true, " 0" for false.
std::string settingsBoolText(bool value);

// "Quorled.ini" in $XDG_CONFIG_HOME, else in $HOME/.config; empty when
// neither is set. The values are passed in so this stays a pure function.
std::string settingsFilePath(const std::string& xdgConfigHome, const std::string& home);

inline constexpr const char* kDefaultImageName = "quorl.nes";
inline constexpr int kDefaultZoom = 2;

// The settings the editor starts with, each replaced by its default when
// the key is missing, empty or out of range.
struct EditorSettings {
    std::string fileName = kDefaultImageName; // "Load"/"Filename"
    std::string referenceImage;               // "Load"/"ReferenceImage"
    int startArea = 0;                        // "Options"/"StartArea", 0..209
    int groundView = 1;                       // 0..2
    int pageView = 0;                         // 0..1
    int objectMarks = 0;                      // 0..1
    bool pointersFollowDoors = true;
    bool showPointersAsObjects = false;
    int zoom = kDefaultZoom;                  // "Options"/"Zoom", 1..4
    bool keepBackup = true;                   // "Options"/"Backup"
    bool askBeforeDiscarding = true;          // "Options"/"AskBeforeDiscarding"
    bool saveBeforeTesting = false;           // "Options"/"SaveBeforeTesting"
    // Check marks of sv(0)..sv(6) from "INI"/"<i>IniSaveSettings".
    std::array<bool, 7> saveChecks{true, true, true, true, true, true, true};

    static EditorSettings read(const SettingsFile& file);
};

// What shut-down writes: the values of the running editor.
struct ShutdownValues {
    std::string romFileName;
    std::string referenceImage;
    int currentArea = 0;
    int groundView = 1;
    int pageView = 0;
    int objectMarks = 0;
    bool pointersFollowDoors = true;
    bool showPointersAsObjects = false;
    int zoom = kDefaultZoom;
    bool keepBackup = true;
    bool askBeforeDiscarding = true;
    bool saveBeforeTesting = false;
    std::array<bool, 7> saveChecks{true, true, true, true, true, true, true};
};

// Stores into the file the keys whose "&INI file" items are checked (sv(1)
// decides about "GroundView" and sv(2) about "StartArea"), then the seven
// "INI" keys, then the window's own keys ("ReferenceImage" when known, "Zoom",
// "Backup", "AskBeforeDiscarding", "SaveBeforeTesting").
void writeShutdownSettings(SettingsFile& file, const ShutdownValues& values);

} // namespace quorled
