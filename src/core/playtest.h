#pragma once

#include <array>
#include <string>
#include <vector>

namespace quorled {

// The emulators looked for on PATH, in this order, when no command is set.
inline constexpr std::array<const char*, 3> kKnownEmulators = {"fceux", "nestopia", "mednafen"};

// What starting the emulator runs: the program and its arguments, the
// image's path last.
struct EmulatorLaunch {
    std::string program;
    std::vector<std::string> arguments;
};

// Play-testing in an emulator: the command kept in the settings file
// ("Options"/"Emulator"), the default found on PATH when none is kept, and
// the program and arguments that start it on an image.
class PlayTest {
public:
    // `pathVariable` is the value of PATH, passed in so tests choose it.
    PlayTest(std::string settingsPath, std::string pathVariable);

    // The kept command; empty when none is.
    std::string storedCommand() const;
    // Keeps the command (an empty one clears it, so the default applies
    // again). Throws ImageError for a command the settings file can't hold
    // or a failed write; the file is then as it was.
    void storeCommand(const std::string& command) const;
    // The kept command, else the first known emulator on PATH, else empty.
    std::string command() const;
    // The full path of an executable file `name` in a folder of PATH, or empty.
    std::string findOnPath(const std::string& name) const;

    // The command split into words (by the caller, the way a shell would)
    // with the image path added last. Throws ImageError when there is no
    // word or the first is empty.
    static EmulatorLaunch launch(const std::vector<std::string>& words, const std::string& imagePath);

    static std::string title();
    static std::string noEmulatorMessage();
    static std::string notStartedMessage(const std::string& program);

private:
    std::string settingsPath_;
    std::string pathVariable_;
};

} // namespace quorled
