#include "commands.h"

#include "cliargs.h"
#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

#include <filesystem>

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
    // The demo never replaces a file: OUT may be someone's only image.
    std::error_code error;
    const auto type = std::filesystem::symlink_status(path, error).type();
    if (type != std::filesystem::file_type::not_found && type != std::filesystem::file_type::none)
        throw ImageError("The file " + shownName(path) + " already exists; demo writes only a new file and left it as it was.");
    const auto bytes = buildDemoImage(kind);
    writeWholeFile(path, bytes);
    out << "Wrote the " << imageKindName(kind) << " demo image " << path << " (" << bytes.size() << " bytes).\n";
    return 0;
}

} // namespace quorled::cli
