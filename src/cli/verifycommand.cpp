#include "commands.h"

#include "imagesession.h"
#include "romdata/arealoader.h"
#include "romdata/areadecodekey.h"
#include "romdata/areawriter.h"
#include "romdata/bytes.h"

#include <map>

namespace quorled::cli {

// For every area, whether saving it unedited would change the image and
// which bytes; writes nothing.
int runVerify(const std::vector<std::string>& words, std::ostream& out)
{
    const CliArgs args(words, {"--reference"}, {});
    args.expectPositionals(1);
    const ImageSession session = ImageSession::open(args.positional(0), args);
    int changing = 0;
    int refused = 0;
    // Areas on the same data (same offsets and bounds) decode and plan
    // alike: a plan is made once per distinct key. A refusal names its
    // area, so it is made again for each.
    std::map<AreaDecodeKey, SavePlan> plans;
    for (int area = 0; area < kAreaCount; ++area) {
        const AreaDecodeKey key = areaDecodeKey(session.directory, session.kind, area);
        auto known = plans.find(key);
        if (known == plans.end()) {
            const AreaModel model = loadArea(session.image, session.directory, session.kind, area);
            known = plans.emplace(key, planSave(session.image, session.directory, session.kind, model)).first;
        } else if (known->second.refusal) {
            const AreaModel model = loadArea(session.image, session.directory, session.kind, area);
            known->second = planSave(session.image, session.directory, session.kind, model);
        }
        const SavePlan& plan = known->second;
        out << "Area " << hex2(area) << " (" << session.directory.areaName(area) << "): ";
        if (plan.refusal) {
            ++refused;
            out << "a save would be refused: " << plan.refusal->text << "\n";
            continue;
        }
        std::map<long, int> finalBytes;
        for (const ByteWrite& write : plan.writes)
            finalBytes[write.offset] = write.value;
        std::vector<std::pair<long, int>> changes;
        for (const auto& [offset, value] : finalBytes)
            if (session.image.read(offset) != value)
                changes.emplace_back(offset, value);
        if (changes.empty()) {
            out << "unchanged\n";
            continue;
        }
        ++changing;
        out << changes.size() << (changes.size() == 1 ? " byte" : " bytes") << " would change:";
        for (std::size_t i = 0; i < changes.size(); ++i)
            out << (i ? ", " : " ") << hexAddress(changes[i].first) << " " << hex2(session.image.read(changes[i].first))
                << "->" << hex2(changes[i].second);
        out << "\n";
    }
    out << changing << " of " << kAreaCount << " areas would change bytes of the image, " << refused
        << " would be refused; nothing was written.\n";
    return 0;
}

} // namespace quorled::cli
