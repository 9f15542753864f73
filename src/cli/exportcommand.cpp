#include "commands.h"

#include "cliargs.h"

namespace quorled::cli {

// The area's model as JSON: the same document as `area --json`, which
// `import` reads back.
int runExport(const std::vector<std::string>& words, std::ostream& out)
{
    const CliArgs args(words, {"--reference"}, {});
    args.expectPositionals(2);
    std::vector<std::string> areaWords = words;
    areaWords.push_back("--json");
    return runArea(areaWords, out);
}

} // namespace quorled::cli
