#include "commands.h"

#include "cliargs.h"
#include "imageoutput.h"
#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

namespace quorled::cli {

int runDemo(const std::vector<std::string>& words, std::ostream& out)
{
    const CliArgs args(words, {"--kind"}, {"--dry-run"});
    args.expectPositionals(1);
    // The kind follows OUT's extension, as in the editor, unless --kind names one.
    ImageKind kind = imageKindFromFileName(args.positional(0));
    if (const auto name = args.value("--kind")) {
        if (*name != "ines" && *name != "snes" && *name != "fds")
            throw UsageError("unknown image kind \"" + *name + "\" (use ines, snes or fds)");
        kind = imageKindFromName(*name);
    }
    const std::string& path = args.positional(0);
    // The demo never replaces a file: OUT may be someone's only image.
    refuseExistingFile(path, "demo");
    const auto bytes = buildDemoImage(kind);
    if (args.flag("--dry-run")) {
        out << "Dry run: would write the " << imageKindName(kind) << " demo image " << shownName(path) << " (" << bytes.size()
            << " bytes); nothing was written.\n";
        return 0;
    }
    writeWholeFile(path, bytes);
    out << "Wrote the " << imageKindName(kind) << " demo image " << shownName(path) << " (" << bytes.size() << " bytes).\n";
    return 0;
}

} // namespace quorled::cli
