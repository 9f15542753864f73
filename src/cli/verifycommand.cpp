#include "commands.h"

#include "imagesession.h"
#include "romdata/arealoader.h"
#include "romdata/areadecodekey.h"
#include "romdata/areawriter.h"
#include "romdata/bytes.h"
#include "romdata/romimage.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace quorled::cli {

namespace {

// `text` with the names of area `from` ("area 0A", "Area 0A") changed to
// area `to`.
std::string renamedAreaText(std::string text, int from, int to)
{
    if (from == to)
        return text;
    for (const std::string word : {"area ", "Area "}) {
        const std::string old = word + hex2(from);
        const std::string now = word + hex2(to);
        for (std::size_t at = text.find(old); at != std::string::npos; at = text.find(old, at + now.size())) {
            const std::size_t after = at + old.size();
            if (after < text.size() && std::isxdigit(static_cast<unsigned char>(text[after])))
                continue;
            text.replace(at, old.size(), now);
        }
    }
    return text;
}

// What a plan tells: its refusal, or the bytes it would change (offset,
// new value), for the area it was made for.
struct Verdict {
    int area = 0;
    std::optional<std::string> refusal;
    std::vector<std::pair<long, int>> changes;
};

Verdict verdictOf(const RomImage& image, int area, const SavePlan& plan)
{
    Verdict verdict{area, {}, {}};
    if (plan.refusal) {
        verdict.refusal = plan.refusal->text;
        return verdict;
    }
    // The last write to an offset counts: a stable sort by offset keeps the
    // writes to one offset in the order they were made.
    std::vector<ByteWrite> writes = plan.writes;
    std::stable_sort(writes.begin(), writes.end(),
                     [](const ByteWrite& a, const ByteWrite& b) { return a.offset < b.offset; });
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const ByteWrite& write = writes[i];
        if (i + 1 < writes.size() && writes[i + 1].offset == write.offset)
            continue;
        if (image.read(write.offset) != write.value)
            verdict.changes.emplace_back(write.offset, write.value);
    }
    return verdict;
}

// For every area, whether saving it unedited would change the image and
// which bytes; writes nothing.
int runVerify(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(1);
    const ImageSession session = ImageSession::open(args.positional(0), args);
    int changing = 0;
    int refused = 0;
    // Areas on the same data (same offsets and bounds) decode and plan
    // alike: a plan is made once per distinct key, for the first area of
    // the key, and only what it tells is kept. A refusal names that area;
    // the others get the same text with their own name.
    std::map<AreaDecodeKey, Verdict> verdicts;
    for (int area = 0; area < kAreaCount; ++area) {
        const AreaDecodeKey key = areaDecodeKey(session.directory, session.kind, area);
        auto known = verdicts.find(key);
        if (known == verdicts.end()) {
            const SavePlan plan = planSave(session.image, session.directory, session.kind,
                                           loadArea(session.image, session.directory, session.kind, area));
            known = verdicts.emplace(key, verdictOf(session.image, area, plan)).first;
        }
        const Verdict& verdict = known->second;
        out << "Area " << hex2(area) << " (" << session.directory.areaName(area) << "): ";
        if (verdict.refusal) {
            ++refused;
            out << "a save would be refused: " << renamedAreaText(*verdict.refusal, verdict.area, area) << "\n";
            continue;
        }
        const auto& changes = verdict.changes;
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

const CommandRegistration kVerifyCommand({.name = "verify", .usage = "verify IMAGE [--reference FILE]",
                                          .valued = {"--reference"}, .flags = {}, .run = runVerify});

} // namespace

} // namespace quorled::cli
