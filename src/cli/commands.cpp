#include "commands.h"

#include "cliargs.h"
#include "quorled/version.h"
#include "romdata/imageerror.h"

#include <algorithm>
#include <exception>

namespace quorled::cli {

const std::vector<Command>& commands()
{
    static const std::vector<Command> list = {
        {"demo", "demo OUT [--kind ines|snes|fds] [--dry-run]", runDemo},
        {"directory", "directory IMAGE [--json] [--reference FILE]", runDirectory},
        {"area", "area IMAGE AREA [--json] [--reference FILE]", runArea},
        {"palettes", "palettes IMAGE [--json] [--reference FILE]", runPalettes},
        {"render", "render IMAGE AREA OUT.png [--at COL,ROW] [--ground none|above|behind] [--pages] [--marks] "
                   "[--screen-lines] [--pointers-as-objects] [--select OBJ,ENEMY] [--map] [--zoom N] "
                   "[--reference FILE] [--dry-run] | render IMAGE --overview OUT.png [--zoom N]", runRender},
        {"readouts", "readouts IMAGE AREA [--object N] [--enemy N] [--pointers-as-objects] [--reference FILE]",
         runReadouts},
        {"save", "save IMAGE AREA [--reference FILE] [--dry-run] [-o OUT]", runSave},
        {"export", "export IMAGE AREA [--reference FILE]", runExport},
        {"import", "import IMAGE AREA FILE.json [--reference FILE] [--relocate] [--dry-run] [-o OUT]", runImport},
        {"verify", "verify IMAGE [--reference FILE]", runVerify},
        {"tables", "tables IMAGE [--json]", runTables},
        {"set", "set IMAGE TABLE ROW VALUE [--dry-run] [-o OUT]", runSet},
        {"free", "free IMAGE [--json]", runFree},
        {"move", "move IMAGE AREA level|enemy ADDRESS [--pointers-only | --copy | --copy-erase] [--dry-run] "
                 "[-o OUT]", runMove},
        {"dump", "dump IMAGE FILE.qlv", runDump},
        {"insert", "insert IMAGE FILE.qlv [--dry-run] [-o OUT]", runInsert},
        {"set-colour", "set-colour IMAGE WORLD level|enemy PALETTE SLOT COLOUR [--dry-run] [-o OUT]", runSetColour},
        {"patch", "patch ORIGINAL EDITED OUT.ips|OUT.bps", runPatch},
        {"apply", "apply IMAGE PATCH OUT", runApply},
        {"find", "find IMAGE QUERY [--json] [--reference FILE]", runFind},
        {"stats", "stats IMAGE [--json] [--reference FILE]", runStats},
        {"check", "check IMAGE [--json] [--reference FILE]", runCheck},
        {"unpack", "unpack IMAGE DIR [--reference FILE]", runUnpack},
        {"pack", "pack DIR --base IMAGE -o OUT [--reference FILE]", runPack},
        {"diff", "diff A B [--json] [--reference FILE]", runDiff},
    };
    return list;
}

namespace {

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
        err << "quorled-cli: help: " << (command ? "unexpected argument \"" + words[1] + "\"" : "unknown command \"" + words[0] + "\"") << "\n";
        printUsage(err);
        return 2;
    }
    out << "usage: quorled-cli " << command->usage << "\n";
    return 0;
}

} // namespace

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
            return command.run(words, out);
        } catch (const UsageError& error) {
            err << "quorled-cli: " << command.name << ": " << error.what() << "\nusage: quorled-cli " << command.usage
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
        << arguments[0] << "\"\n";
    printUsage(err);
    return 2;
}

} // namespace quorled::cli
