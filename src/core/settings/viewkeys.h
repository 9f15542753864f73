#pragma once

#include "core/settings/shortcutsettings.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorled {

// The level view's own keys as commands that can be given other keys, like
// the menu commands: each has a name (its line in the settings file's
// section "Shortcuts"), its default keys in the portable form ("Num+4,
// Alt+Left") and the key press the editor core answers to for it.
struct ViewKey {
    const char* name;
    const char* keys;
    int keyCode; // the core's virtual-key code
    int shift;   // and modifier state (1 Shift, 2 Ctrl, 4 Alt)
};

// Every view key, in the order the dialog and the About box list them.
const std::vector<ViewKey>& viewKeyTable();
// The view keys' names with their default keys.
std::vector<ShortcutSettings::Binding> viewKeyDefaults();

// A key press as the core takes it.
struct KeyPress {
    int keyCode = 0;
    int shift = 0;
    bool operator==(const KeyPress&) const = default;
};

// What the view's key presses become under the user's keys.
class ViewKeyMap {
public:
    ViewKeyMap() : ViewKeyMap(viewKeyDefaults()) {}
    // `bindings`: view key names with their keys now; other names are
    // ignored, view keys left out keep their defaults.
    explicit ViewKeyMap(const std::vector<ShortcutSettings::Binding>& bindings);

    // A press named `key` ("Alt+Left"), which the core reads as (keyCode,
    // shift): the view key's own press when a view key has that key; none
    // when the key is a default of a view key that no longer has it (it
    // was given elsewhere or cleared); else the press as it came.
    std::optional<KeyPress> translate(const std::string& key, KeyPress press) const;

private:
    std::map<std::string, KeyPress> bound_;
};

} // namespace quorled
