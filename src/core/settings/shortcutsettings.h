#pragma once

#include <map>
#include <string>
#include <vector>

namespace quorled {

class SettingsFile;

// The keys of the menu commands as the user set them, kept in the settings
// file's section "Shortcuts": one line per changed command, its name (the
// menu item's text without "&" and "...") and its keys in the portable form
// "Ctrl+Shift+D" (several separated by ", "; empty for none).
class ShortcutSettings {
public:
    static constexpr const char* kSection = "Shortcuts";

    // One command: its name and its keys now.
    struct Binding {
        std::string name;
        std::string keys;
    };

    // The bindings with the file's changes applied; names the file does not
    // know keep their keys.
    static std::vector<Binding> read(const SettingsFile& file, std::vector<Binding> defaults);
    // Writes every binding that differs from its default, and the default
    // text for those that came back to it, so the file always says the keys.
    static void write(SettingsFile& file, const std::vector<Binding>& bindings, const std::vector<Binding>& defaults);
    // The name of the command other than `name` whose keys include `key`;
    // empty when none has it.
    static std::string holder(const std::vector<Binding>& bindings, const std::string& name, const std::string& key);
    // "&Keyboard shortcuts..." -> "Keyboard shortcuts".
    static std::string commandName(const std::string& caption);
    // The keys of a text ("A, Ctrl+B" -> {"A", "Ctrl+B"}).
    static std::vector<std::string> splitKeys(const std::string& keys);
};

} // namespace quorled
