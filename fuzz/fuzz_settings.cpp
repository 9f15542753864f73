// Parses fuzzed settings files, reads every key the editor reads and writes
// them back: no crash, and a value written is read back (without its
// leading blank, as profile files are read).
#include "core/settings/settingsfile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorled;
    const std::string text(reinterpret_cast<const char*>(data), size);
    SettingsFile file = SettingsFile::fromText(text);
    for (const char* key : {"StartArea", "GroundView", "PageView", "ObjectMarks", "PointersFollowDoors",
                            "ShowPointersAsObjects", "Zoom", "Backup"})
        (void)file.read("Options", key);
    (void)file.read("Load", "Filename");
    file.write("Options", "StartArea", " 12");
    file.write("INI", "0IniSaveSettings", "-1");
    const std::string written = file.text();
    if (SettingsFile::fromText(written).read("Options", "StartArea") != "12")
        __builtin_trap();
    return 0;
}
