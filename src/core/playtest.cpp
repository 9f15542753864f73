#include "playtest.h"

#include "settingsfile.h"
#include "romdata/imageerror.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quorled {

namespace {

constexpr const char* kSection = "Options";
constexpr const char* kKey = "Emulator";

} // namespace

PlayTest::PlayTest(std::string settingsPath, std::string pathVariable)
    : settingsPath_(std::move(settingsPath)), pathVariable_(std::move(pathVariable))
{
}

std::string PlayTest::storedCommand() const
{
    return SettingsFile::load(settingsPath_).read(kSection, kKey);
}

void PlayTest::storeCommand(const std::string& command) const
{
    if (command.find_first_of("\r\n") != std::string::npos)
        throw ImageError("The emulator command must be one line.");
    if (command.size() > SettingsFile::kMaxValueLength)
        throw ImageError("The emulator command is too long: the settings file keeps at most " +
                         std::to_string(SettingsFile::kMaxValueLength) + " characters.");
    SettingsFile file = SettingsFile::load(settingsPath_);
    file.write(kSection, kKey, command);
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(settingsPath_).parent_path(), ignored);
    file.save(settingsPath_);
}

std::string PlayTest::command() const
{
    const std::string stored = storedCommand();
    if (stored.find_first_not_of(" \t") != std::string::npos)
        return stored;
    for (const char* name : kKnownEmulators)
        if (!findOnPath(name).empty())
            return name;
    return {};
}

std::string PlayTest::findOnPath(const std::string& name) const
{
    std::size_t start = 0;
    while (start <= pathVariable_.size()) {
        std::size_t end = pathVariable_.find(':', start);
        if (end == std::string::npos)
            end = pathVariable_.size();
        // An empty entry means the current folder, as for the shell.
        std::string folder = pathVariable_.substr(start, end - start);
        const std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
        struct stat info {};
        if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

EmulatorLaunch PlayTest::launch(const std::vector<std::string>& words, const std::string& imagePath)
{
    if (words.empty() || words.front().empty())
        throw ImageError(noEmulatorMessage());
    EmulatorLaunch launch{words.front(), std::vector<std::string>(words.begin() + 1, words.end())};
    launch.arguments.push_back(imagePath);
    return launch;
}

std::string PlayTest::title() { return "Test in emulator"; }

std::string PlayTest::noEmulatorMessage()
{
    std::string names;
    for (std::size_t i = 0; i < kKnownEmulators.size(); ++i)
        names += (i == 0 ? "" : i + 1 == kKnownEmulators.size() ? " and " : ", ") + std::string(kKnownEmulators[i]);
    return "No emulator is set, and none of " + names +
           " was found on the PATH. Choose one with Options > Emulator command...";
}

std::string PlayTest::notStartedMessage(const std::string& program)
{
    return "The emulator " + program + " could not be started. Check the command with Options > Emulator command...";
}

} // namespace quorled
