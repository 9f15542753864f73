#include "core/settings/playtest.h"

#include "core/settings/settingsfile.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

#include <filesystem>
#include <utility>

namespace quorled {

namespace {

constexpr const char* kSection = "Options";
constexpr const char* kKey = "Emulator";

} // namespace

PlayTest::PlayTest(std::string settingsPath) : settingsPath_(std::move(settingsPath)) {}

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

EmulatorLaunch PlayTest::launch(const std::vector<std::string>& words, const std::string& imagePath)
{
    if (words.empty() || words.front().empty())
        throw ImageError(noEmulatorMessage());
    EmulatorLaunch launch{words.front(), std::vector<std::string>(words.begin() + 1, words.end())};
    launch.arguments.push_back(imagePath);
    return launch;
}

EmulatorLaunch PlayTest::launch(const std::vector<std::string>& keptWords, const std::string& imagePath,
                                const std::string& mimeType, const DesktopDefault& desktop)
{
    if (!keptWords.empty())
        return launch(keptWords, imagePath);
    const std::vector<std::string> words = desktop.command(mimeType, imagePath);
    if (words.empty() || words.front().empty())
        throw ImageError(noEmulatorMessage());
    return {words.front(), std::vector<std::string>(words.begin() + 1, words.end())};
}

bool PlayTest::needsCommand(const std::vector<std::string>& keptWords, const std::string& mimeType,
                            const DesktopDefault& desktop)
{
    return keptWords.empty() && desktop.command(mimeType, "-").empty();
}

std::string PlayTest::title() { return "Test in emulator"; }

std::string PlayTest::noEmulatorMessage()
{
    return "No emulator is set, and the desktop has no program that opens this kind of image. Choose one with "
           "Options > Emulator command...";
}

std::string PlayTest::notStartedMessage(const std::string& program)
{
    return "The emulator " + shownName(program) + " could not be started. Check the command with Options > Emulator command...";
}

} // namespace quorled
