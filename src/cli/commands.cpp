#include "commands.h"

#include "quorled/version.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

#include <algorithm>
#include <exception>
#include <string_view>
#include <utility>

namespace quorled::cli {

namespace {

// The registered commands, kept sorted by name; filled while the program
// starts, before main.
std::vector<Command>& registry()
{
    static std::vector<Command> list;
    return list;
}

void printUsage(std::ostream& err)
{
    err << "usage: quorled-cli COMMAND ARGUMENTS, quorled-cli help [COMMAND], quorled-cli --help or quorled-cli "
           "--version\n";
    for (const Command& command : commands())
        err << "  quorled-cli " << command.usage << "\n";
    err << "AREA is decimal or 0x-hex, 0..209. A disk image (.fds) needs --reference FILE, "
           "a published iNES image of the game.\n"
           "TABLE is characters, enemies, enemies2, enemies3, powerups, levels-per-world, title-card or lives; "
           "ROW and VALUE (the stored byte, 0..255) as tables lists them. levels-per-world takes only bounds its "
           "dialog can reach: world 1 starts at 0 or later, every world keeps 1..4 levels, 21 levels at most.\n"
           "--dry-run tells what would change and writes nothing; -o OUT writes the result to the new file OUT "
           "and leaves IMAGE as it was. quorled-cli help COMMAND or COMMAND --help shows the usage of one command. "
           "Options take their value as --name VALUE or --name=VALUE; after -- every word is an argument.\n"
           "QUERY of find is a piece of a name (\"Cloud\"), \"enemy NN\" or \"object NN\" (hexadecimal). check "
           "exits with 1 when it finds an error.\n"
           "Every command takes --no-backup (write the image without making NAME.bak) and --force (work on a file "
           "that does not start as an iNES image does).\n";
}

const Command* findCommand(const std::string& name)
{
    for (const Command& command : commands())
        if (name == command.name)
            return &command;
    return nullptr;
}

// "help" alone prints the whole usage, "help COMMAND" that command's.
int runHelp(const std::vector<std::string>& words, std::ostream& out, std::ostream& err)
{
    if (words.empty()) {
        printUsage(out);
        return 0;
    }
    const Command* command = findCommand(words[0]);
    if (!command || words.size() > 1) {
        err << "quorled-cli: help: " << (command ? "unexpected argument \"" + shownName(words[1]) + "\"" : "unknown command \"" + shownName(words[0]) + "\"") << "\n";
        printUsage(err);
        return 2;
    }
    out << "usage: quorled-cli " << command->usage << "\n";
    return 0;
}

} // namespace

CommandRegistration::CommandRegistration(Command command)
{
    std::vector<Command>& list = registry();
    const auto place = std::find_if(list.begin(), list.end(), [&](const Command& other) {
        return std::string_view(command.name) < std::string_view(other.name);
    });
    list.insert(place, std::move(command));
}

const std::vector<Command>& commands() { return registry(); }

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
        printUsage(arguments.empty() ? err : out);
        return arguments.empty() ? 2 : 0;
    }
    if (arguments[0] == "--version") {
        out << "quorled-cli " << kVersion << "\n";
        return 0;
    }
    const std::vector<std::string> words(arguments.begin() + 1, arguments.end());
    if (arguments[0] == "help")
        return runHelp(words, out, err);
    if (const Command* found = findCommand(arguments[0])) {
        const Command& command = *found;
        // --help before a "--" asks for the usage; after it, it is a file name.
        const auto optionsEnd = std::find(words.begin(), words.end(), "--");
        if (std::find(words.begin(), optionsEnd, "--help") != optionsEnd ||
            std::find(words.begin(), optionsEnd, "-h") != optionsEnd) {
            out << "usage: quorled-cli " << command.usage << "\n";
            return 0;
        }
        try {
            const CliArgs args(words, command.valued, command.flags);
            return command.run(args, out);
        } catch (const UsageError& error) {
            // A usage error repeats words of the command line as typed.
            err << "quorled-cli: " << command.name << ": " << shownName(error.what()) << "\nusage: quorled-cli " << command.usage
                << "\n";
            return 2;
        } catch (const ImageError& error) {
            err << "quorled-cli: " << error.what() << "\n";
            return 1;
        } catch (const std::bad_alloc&) {
            err << "quorled-cli: out of memory\n";
            return 1;
        }
    }
    err << "quorled-cli: unknown " << (arguments[0].rfind('-', 0) == 0 ? "option" : "command") << " \""
        << shownName(arguments[0]) << "\"\n";
    printUsage(err);
    return 2;
}

} // namespace quorled::cli
