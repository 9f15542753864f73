#include "commands.h"

#include "gameareasoutput.h"
#include "imagesession.h"

#include "core/workbench/gameareapass.h"

#include <algorithm>
#include <string>

namespace quorled::cli {

namespace {

constexpr std::size_t kOutputBlock = std::size_t{64} << 10;

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
    // Written in blocks of lines, not piece by piece: an image can have tens
    // of thousands of them.
    std::string text;
    for (const Problem& p : problems) {
        const std::string item = itemLabel(p.item, p.index);
        text.append(severityName(p.severity)).append("  ").append(placeLabel(p.area));
        if (!item.empty())
            text.append("  ").append(item);
        text.append("  ").append(p.text).append("\n");
        if (text.size() >= kOutputBlock) {
            out << text;
            text.clear();
        }
    }
    out << text;
    out << errors << " errors, " << count(Severity::Warning) << " warnings, " << count(Severity::Note)
        << " notes\n";
    return errors > 0 ? 1 : 0;
}

const CommandRegistration kCheckCommand({.name = "check", .usage = "check IMAGE [--json] [--reference FILE]",
                                         .valued = {"--reference"}, .flags = {"--json"}, .run = runCheck});

} // namespace

} // namespace quorled::cli
