#pragma once

#include <optional>
#include <string>

namespace quorled {

class SettingsFile;

// Where the main window was and how its docks were laid out, kept in the
// settings file under "Window" ("X", "Y", "Width", "Height", "Maximized",
// and the dock layout as "DockParts" pieces "Docks1", "Docks2", ... because
// a settings value holds at most 254 characters). Beside the layout go its
// format version ("DockVersion") and a checksum ("DockCheck"): the toolkit
// trusts a layout record, so one that was changed outside the editor is
// never handed to it.
struct WindowPlacement {
    static constexpr const char* kSection = "Window";
    static constexpr int kSmallest = 100;    // pixels; smaller sizes are ignored
    static constexpr int kLargest = 30000;   // pixels; so are larger sizes and positions
    static constexpr std::size_t kPiece = 200; // characters of the dock layout per key
    // The version of the docks' layout record; a layout of another is not restored.
    static constexpr int kDockVersion = 1;

    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;
    std::string dockLayout; // the window toolkit's own layout record, as printable text
    // Set by read when a dock layout was kept but cannot be trusted (a piece
    // missing, another version, a checksum that does not match).
    bool dockLayoutRefused = false;

    // The placement in the file; none when a key is missing or out of range.
    // A damaged dock layout reads as none, with dockLayoutRefused set.
    static std::optional<WindowPlacement> read(const SettingsFile& file);
    void write(SettingsFile& file) const;
    // Reads the settings file, puts the placement in and writes it back as a
    // whole (other keys are kept). Returns a message when it cannot be written.
    std::optional<std::string> store(const std::string& settingsPath) const;
};

// The checksum kept beside a dock layout: 16 hexadecimal digits.
std::string dockLayoutCheck(const std::string& layout);

// A rectangle in pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// `rect` made to lie within `area` (the screen's room for windows): no
// larger than it, and moved inside it.
PixelRect clampedToArea(PixelRect rect, PixelRect area);

// A size in pixels.
struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The window size at which `content` just fits a viewport that is now
// `viewport` inside a window of `window` (frame included), but no larger
// than `available`, the screen's room for it. Shrinks as well as grows.
PixelSize fittedWindowSize(PixelSize window, PixelSize viewport, PixelSize content, PixelSize available);

} // namespace quorled
