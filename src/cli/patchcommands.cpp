#include "commands.h"

#include "cliargs.h"
#include "patch/patchfile.h"

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
    out << "Wrote the " << (*format == PatchFormat::Ips ? "IPS" : "BPS") << " patch " << patchPath << " (" << size
        << " bytes) that turns " << args.positional(0) << " into " << args.positional(1) << ".\n";
    return 0;
}

int runApply(const std::vector<std::string>& words, std::ostream& out)
{
    const CliArgs args(words, {}, {});
    args.expectPositionals(3);
    const std::size_t size = writePatchedImage(args.positional(0), args.positional(1), args.positional(2), args.flag("--force"));
    out << "Wrote " << args.positional(2) << " (" << size << " bytes): " << args.positional(0) << " with "
        << args.positional(1) << " applied.\n";
    return 0;
}

} // namespace quorled::cli
