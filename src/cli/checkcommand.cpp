#include "commands.h"

#include "gameareasoutput.h"
#include "imagesession.h"

#include "core/workbench/gameareapass.h"

#include <algorithm>

namespace quorled::cli {

namespace {

int runCheck(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(1);
    const ImageSession session = ImageSession::open(args.positional(0), args);
    const std::vector<Problem> problems = checkImageAreas(session.image, session.directory, session.kind);
    const auto count = [&](Severity s) {
        return std::count_if(problems.begin(), problems.end(), [s](const Problem& p) { return p.severity == s; });
    };
    const long errors = count(Severity::Error);

    if (args.flag("--json")) {
        nlohmann::json list = nlohmann::json::array();
        for (const Problem& p : problems)
            list.push_back({{"severity", severityName(p.severity)},
                            {"rule", p.rule},
                            {"area", p.area < 0 ? nlohmann::json(nullptr) : nlohmann::json(p.area)},
                            {"item", itemJson(p.item)},
                            {"index", p.item == ProblemItem::None ? nlohmann::json(nullptr) : nlohmann::json(p.index)},
                            {"text", p.text}});
        out << nlohmann::json{{"errors", errors},
                              {"warnings", count(Severity::Warning)},
                              {"notes", count(Severity::Note)},
                              {"problems", list}}
                   .dump(2)
            << "\n";
        return errors > 0 ? 1 : 0;
    }
    for (const Problem& p : problems) {
        const std::string item = itemLabel(p.item, p.index);
        out << severityName(p.severity) << "  " << placeLabel(p.area) << (item.empty() ? "" : "  " + item) << "  "
            << p.text << "\n";
    }
    out << errors << " errors, " << count(Severity::Warning) << " warnings, " << count(Severity::Note)
        << " notes\n";
    return errors > 0 ? 1 : 0;
}

const CommandRegistration kCheckCommand({.name = "check", .usage = "check IMAGE [--json] [--reference FILE]",
                                         .valued = {"--reference"}, .flags = {"--json"}, .run = runCheck});

} // namespace

} // namespace quorled::cli
