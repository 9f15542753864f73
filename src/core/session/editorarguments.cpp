#include "core/session/editorarguments.h"

#include "cli/cliargs.h"

namespace quorled {

EditorArguments parseEditorArguments(const std::vector<std::string>& words)
{
    EditorArguments parsed;
    for (const std::string& word : words) {
        if (word == "--help" || word == "-h")
            return {EditorArguments::Action::Help, {}, {}};
        if (word == "--version")
            return {EditorArguments::Action::Version, {}, {}};
    }
    const cli::CliArgs args(words, {"--area"}, {});
    if (args.positional().size() > 1)
        throw cli::UsageError("unexpected argument \"" + args.positional(1) + "\"");
    if (!args.positional().empty())
        parsed.imagePath = args.positional(0);
    if (const auto area = args.value("--area"))
        parsed.area = cli::parseAreaNumber(*area);
    return parsed;
}

std::string editorUsage()
{
    return "usage: quorled [--area N] [IMAGE]\n"
           "       quorled --help | --version\n"
           "Opens IMAGE (an iNES .nes, SNES compilation .smc or disk .fds image of Quorl) in the level editor;\n"
           "without IMAGE it asks for one. --area N opens at area N (decimal or 0x-hex, 0..209).\n";
}

} // namespace quorled
