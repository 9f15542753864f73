#include "core/settings/settingsfile.h"
#include "core/settings/shortcutsettings.h"
#include "core/settings/viewkeys.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using Binding = ShortcutSettings::Binding;

std::vector<Binding> defaults() { return {{"Duplicate", "Ctrl+Shift+D"}, {"Grid", "G"}, {"Paste", "Ctrl+Shift+V"}}; }

TEST(ShortcutSettings, ChangedKeysRoundTripThroughTheSettingsFile)
{
    SettingsFile file = SettingsFile::fromText("[Options]\nZoom= 3\n");
    std::vector<Binding> changed = defaults();
    changed[0].keys = "F7";
    changed[1].keys = ""; // cleared
    ShortcutSettings::write(file, changed, defaults());
    EXPECT_EQ(file.read("Options", "Zoom"), "3");
    EXPECT_FALSE(file.value(ShortcutSettings::kSection, "Paste")); // unchanged keys are not written
    const std::vector<Binding> back = ShortcutSettings::read(SettingsFile::fromText(file.text()), defaults());
    EXPECT_EQ(back[0].keys, "F7");
    EXPECT_EQ(back[1].keys, "");
    EXPECT_EQ(back[2].keys, "Ctrl+Shift+V");

    // Restoring a default writes it over the stored change.
    ShortcutSettings::write(file, defaults(), defaults());
    EXPECT_EQ(ShortcutSettings::read(file, defaults())[0].keys, "Ctrl+Shift+D");
}

TEST(ShortcutSettings, HolderNamesTheOtherCommandWithTheKey)
{
    std::vector<Binding> bindings = defaults();
    bindings[2].keys = "Ctrl+Shift+V, Ctrl+Y";
    EXPECT_EQ(ShortcutSettings::holder(bindings, "Grid", "Ctrl+Y"), "Paste");
    EXPECT_EQ(ShortcutSettings::holder(bindings, "Paste", "Ctrl+Y"), "");
    EXPECT_EQ(ShortcutSettings::holder(bindings, "Grid", "Ctrl"), "");
    EXPECT_EQ(ShortcutSettings::holder(bindings, "Grid", ""), "");
    EXPECT_EQ(ShortcutSettings::commandName("&Keyboard shortcuts..."), "Keyboard shortcuts");
    EXPECT_EQ(ShortcutSettings::commandName("Select &all items"), "Select all items");
}

TEST(ViewKeys, RebindingMovesTheKeyAndSilencesTheOldOne)
{
    std::vector<Binding> bindings = viewKeyDefaults();
    for (Binding& b : bindings) {
        if (b.name == "Move the selection left")
            b.keys = "H";
        if (b.name == "Switch the object marks")
            b.keys = "";
    }
    const ViewKeyMap map(bindings);
    const KeyPress left{0x64, 0}; // keypad 4
    const KeyPress plain{0x51, 0};
    struct Case {
        const char* key;
        KeyPress press;
        std::optional<KeyPress> to;
    };
    for (const Case& c : {Case{"H", {0x48, 0}, left}, Case{"Alt+Left", {0x25, 4}, std::nullopt},
                          Case{"Num+4", {0x64, 0}, std::nullopt}, Case{"M", {0x4D, 0}, std::nullopt},
                          Case{"Alt+Shift+Left", {0x25, 5}, KeyPress{0x25, 5}}, Case{"Q", plain, plain},
                          Case{"", {0x13, 0}, KeyPress{0x13, 0}}})
        EXPECT_EQ(map.translate(c.key, c.press), c.to) << c.key;
    EXPECT_EQ(ViewKeyMap().translate("Alt+Left", {0x25, 4}), left);
}

} // namespace
} // namespace quorled
