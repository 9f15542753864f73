#include "commands.h"

#include "cliargs.h"
#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"

namespace quorled::cli {

int runDemo(const std::vector<std::string>& words, std::ostream& out)
{
    const CliArgs args(words, {"--kind"}, {});
    args.expectPositionals(1);
    ImageKind kind = ImageKind::Ines;
    if (const auto name = args.value("--kind")) {
        if (*name != "ines" && *name != "snes" && *name != "fds")
            throw UsageError("unknown image kind \"" + *name + "\" (use ines, snes or fds)");
        kind = imageKindFromName(*name);
    }
    const std::string& path = args.positional(0);
    const auto bytes = buildDemoImage(kind);
    writeWholeFile(path, bytes);
    out << "Wrote the " << imageKindName(kind) << " demo image " << path << " (" << bytes.size() << " bytes).\n";
    return 0;
}

} // namespace quorled::cli
