#include "commands.h"

#include "cliargs.h"
#include "patch/patchfile.h"
#include "romdata/shownname.h"

namespace quorled::cli {

int runPatch(const std::vector<std::string>& words, std::ostream& out)
{
    const CliArgs args(words, {}, {});
    args.expectPositionals(3);
    const std::string& patchPath = args.positional(2);
    const auto format = patchFormatFromFileName(patchPath);
    if (!format)
        throw UsageError("the patch's name must end in .ips or .bps, which decides its format");
    const std::size_t size = writePatchFile(args.positional(0), args.positional(1), patchPath, args.flag("--force"));
    out << "Wrote the " << (*format == PatchFormat::Ips ? "IPS" : "BPS") << " patch " << shownName(patchPath) << " (" << size
        << " bytes) that turns " << shownName(args.positional(0)) << " into " << shownName(args.positional(1)) << ".\n";
    return 0;
}

int runApply(const std::vector<std::string>& words, std::ostream& out)
{
    const CliArgs args(words, {}, {});
    args.expectPositionals(3);
    const std::size_t size = writePatchedImage(args.positional(0), args.positional(1), args.positional(2), args.flag("--force"));
    out << "Wrote " << shownName(args.positional(2)) << " (" << size << " bytes): " << shownName(args.positional(0)) << " with "
        << shownName(args.positional(1)) << " applied.\n";
    return 0;
}

} // namespace quorled::cli
