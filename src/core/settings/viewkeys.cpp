#include "core/settings/viewkeys.h"

#include "core/editing/keyediting.h"

#include <algorithm>

namespace quorled {

namespace {

constexpr int kEscape = 0x1B;
constexpr int kDelete = 0x2E;

} // namespace

const std::vector<ViewKey>& viewKeyTable()
{
    static const std::vector<ViewKey> table{
        {"Switch between objects and enemies", "Space", vk::Space, 0},
        {"Move the selection left", "Num+4, Alt+Left", vk::Numpad4, 0},
        {"Move the selection right", "Num+6, Alt+Right", vk::Numpad6, 0},
        {"Move the selection up", "Num+8, Alt+Up", vk::Numpad8, 0},
        {"Move the selection down", "Num+2, Alt+Down", vk::Numpad2, 0},
        {"Move the selection left by a page", "Alt+Shift+Left", vk::Left, kAlt | kShift},
        {"Move the selection right by a page", "Alt+Shift+Right", vk::Right, kAlt | kShift},
        {"Move the selection up by a page", "Alt+Shift+Up", vk::Up, kAlt | kShift},
        {"Move the selection down by a page", "Alt+Shift+Down", vk::Down, kAlt | kShift},
        {"Type or parameter +1", "Num++, Alt+]", vk::Add, 0},
        {"Type or parameter -1", "Num+-, Alt+[", vk::Subtract, 0},
        {"Type or parameter +16", "Num+*, Alt+Shift+]", vk::Multiply, 0},
        {"Type or parameter -16", "Num+/, Alt+Shift+[", vk::Divide, 0},
        {"Second parameter +1", "Shift+Num++", vk::Add, kShift},
        {"Second parameter -1", "Shift+Num+-", vk::Subtract, kShift},
        {"Second parameter +16", "Shift+Num+*", vk::Multiply, kShift},
        {"Second parameter -16", "Shift+Num+/", vk::Divide, kShift},
        {"Scroll or select left", "Left", vk::Left, 0},
        {"Scroll or select right", "Right", vk::Right, 0},
        {"Scroll or select up", "Up", vk::Up, 0},
        {"Scroll or select down", "Down", vk::Down, 0},
        {"Scroll or select left, faster", "Shift+Left", vk::Left, kShift},
        {"Scroll or select right, faster", "Shift+Right", vk::Right, kShift},
        {"Scroll or select up, faster", "Shift+Up", vk::Up, kShift},
        {"Scroll or select down, faster", "Shift+Down", vk::Down, kShift},
        {"Previous area", "PgUp", vk::PageUp, 0},
        {"Next area", "PgDown", vk::PageDown, 0},
        {"Switch the ground view", "Num+0, Alt+0", vk::Numpad0, 0},
        {"Switch the page separators", "P", vk::P, 0},
        {"Switch the screen lines", "S", vk::S, 0},
        {"Switch the object marks", "M", vk::M, 0},
        {"Switch pointers shown as objects", "O", vk::O, 0},
        {"Switch pointers following doors", "F", vk::F, 0},
        {"Delete the selection", "Del", kDelete, 0},
        {"Back to the last clicked item alone", "Esc", kEscape, 0},
        {"Show the key help", "F1", vk::F1, 0},
    };
    return table;
}

std::vector<ShortcutSettings::Binding> viewKeyDefaults()
{
    std::vector<ShortcutSettings::Binding> bindings;
    for (const ViewKey& key : viewKeyTable())
        bindings.push_back({key.name, key.keys});
    return bindings;
}

ViewKeyMap::ViewKeyMap(const std::vector<ShortcutSettings::Binding>& bindings)
{
    for (const ViewKey& key : viewKeyTable()) {
        const auto given = std::find_if(bindings.begin(), bindings.end(),
                                        [&](const ShortcutSettings::Binding& b) { return b.name == key.name; });
        for (const std::string& name : ShortcutSettings::splitKeys(given != bindings.end() ? given->keys : key.keys))
            bound_.emplace(name, KeyPress{key.keyCode, key.shift});
    }
}

std::optional<KeyPress> ViewKeyMap::translate(const std::string& key, KeyPress press) const
{
    if (const auto found = bound_.find(key); found != bound_.end())
        return found->second;
    for (const ViewKey& view : viewKeyTable()) {
        const std::vector<std::string> defaults = ShortcutSettings::splitKeys(view.keys);
        if (std::find(defaults.begin(), defaults.end(), key) != defaults.end())
            return std::nullopt;
    }
    return press;
}

} // namespace quorled
