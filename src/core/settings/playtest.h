#pragma once

#include "core/settings/desktopdefault.h"

#include <string>
#include <vector>

namespace quorled {

// What starting the emulator runs: the program and its arguments, the
// image's path last.
struct EmulatorLaunch {
    std::string program;
    std::vector<std::string> arguments;
};

// Play-testing in an emulator: the command kept in the settings file
// ("Options"/"Emulator"), the desktop's default application for the image's
// type when none is kept, and the program and arguments that start it on an
// image.
class PlayTest {
public:
    explicit PlayTest(std::string settingsPath);

    // The kept command; empty when none is.
    std::string storedCommand() const;
    // Keeps the command (an empty one clears it, so the default applies
    // again). Throws ImageError for a command the settings file can't hold
    // or a failed write; the file is then as it was.
    void storeCommand(const std::string& command) const;
    // The command split into words (by the caller, the way a shell would)
    // with the image path added last. Throws ImageError when there is no
    // word or the first is empty.
    static EmulatorLaunch launch(const std::vector<std::string>& words, const std::string& imagePath);

    // What starts the test: the kept command's words (`keptWords`, split by
    // the caller) with the image path added last; without them, the
    // desktop's default application for `mimeType`. Throws ImageError when
    // there is neither.
    static EmulatorLaunch launch(const std::vector<std::string>& keptWords, const std::string& imagePath,
                                 const std::string& mimeType, const DesktopDefault& desktop);
    // True when there is neither a kept command nor a desktop default for
    // `mimeType`: the user is asked for a command then.
    static bool needsCommand(const std::vector<std::string>& keptWords, const std::string& mimeType,
                             const DesktopDefault& desktop);

    static std::string title();
    static std::string noEmulatorMessage();
    static std::string notStartedMessage(const std::string& program);

private:
    std::string settingsPath_;
};

} // namespace quorled
