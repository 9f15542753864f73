#include "commands.h"

#include "cliargs.h"
#include "imageoutput.h"
#include "imagesession.h"

#include "core/exchange/jsondocument.h"

#include "romdata/arealoader.h"
#include "romdata/areadecodekey.h"
#include "romdata/bytes.h"
#include "romdata/datamove.h"
#include "romdata/freespace.h"
#include "romdata/imageerror.h"
#include "romdata/leveldump.h"
#include "romdata/romimage.h"
#include "romdata/shownname.h"

#include <map>
#include <utility>

namespace quorled::cli {

namespace {

// The space tools work on the iNES layout only.
void refuseOtherKinds(const std::string& path, const char* command)
{
    if (imageKindFromFileName(path) != ImageKind::Ines)
        throw ImageError(std::string(command) + " works on iNES images only: the offsets of " + shownName(path) +
                         " hold other data.");
}

RomImage openInes(const std::string& path, const char* command, const CliArgs& args)
{
    refuseOtherKinds(path, command);
    return openImageFile(path, ImageKind::Ines, args);
}

RomImage openInes(ImageOutput& output, const std::string& path, const char* command, const CliArgs& args)
{
    refuseOtherKinds(path, command);
    return output.open(ImageKind::Ines, args);
}

// The free space of the level-data region and every area's spare bytes.
int runFree(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(1);
    const RomImage image = openInes(args.positional(0), "free", args);
    const FreeSpaceCount count = countFreeSpace(image);
    const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
    // Areas on the same data have the same spare bytes: each distinct key is decoded once.
    std::map<AreaDecodeKey, std::pair<int, int>> spare;
    const auto spareBytes = [&](int area) {
        const auto [at, added] = spare.emplace(areaDecodeKey(directory, ImageKind::Ines, area), std::pair{0, 0});
        if (added) {
            const AreaModel model = loadArea(image, directory, ImageKind::Ines, area);
            at->second = {model.levelSpareFF, model.enemySpareBytes};
        }
        return at->second;
    };
    if (args.flag("--json")) {
        nlohmann::ordered_json areas = nlohmann::ordered_json::array();
        for (int area = 0; area < kAreaCount; ++area) {
            const auto [level, enemy] = spareBytes(area);
            areas.push_back({{"area", area}, {"levelSpareFF", level}, {"enemySpareBytes", enemy}});
        }
        out << jsonText({{"free", count.free}, {"total", count.total}, {"areas", areas}}) << "\n";
        return 0;
    }
    out << freeSpaceText(count) << "\n";
    for (int area = 0; area < kAreaCount; ++area) {
        const auto [level, enemy] = spareBytes(area);
        out << "Area " << hex2(area) << ": level " << level << ", enemy " << enemy << "\n";
    }
    return 0;
}

// Moves an area's level or enemy data with the rules of the move dialogs.
int runMove(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(4);
    const int area = parseAreaNumber(args.positional(1));
    const std::string& which = args.positional(2);
    if (which != "level" && which != "enemy")
        throw UsageError("the data to move is \"level\" or \"enemy\", not \"" + which + "\"");
    const int options = int(args.flag("--pointers-only")) + int(args.flag("--copy")) + int(args.flag("--copy-erase"));
    if (options > 1)
        throw UsageError("give at most one of --pointers-only, --copy and --copy-erase");
    MoveRequest request;
    request.area = area;
    request.what = which == "level" ? MoveData::Level : MoveData::Enemy;
    request.option = args.flag("--pointers-only") ? MoveOption::PointersOnly
                     : args.flag("--copy-erase")  ? MoveOption::CopyErase
                                                  : MoveOption::Copy;
    const std::optional<long> target = parseMoveAddress(args.positional(3));
    if (!target)
        throw ImageError(moveRefusedTitle(request.what) + " " + moveRangeMessage());
    request.target = *target;

    ImageOutput output(args, args.positional(0));
    RomImage image = openInes(output, args.positional(0), "move", args);
    const MoveResult result = moveData(image, request);
    if (result.refusal)
        throw ImageError(result.refusal->title + " " + result.refusal->text);
    output.write(image);

    out << "Area " << hex2(area) << " " << which << " data";
    if (request.option == MoveOption::PointersOnly) {
        out << " now starts at " << hexAddress(request.target) << ": pointers changed only.\n";
    } else {
        out << " (" << result.source.size << " bytes) copied from " << hexAddress(result.source.offset) << " to "
            << hexAddress(request.target);
        if (request.option == MoveOption::CopyErase && !result.keptOldBytes)
            out << ", old bytes erased";
        out << "; pointers changed.\n";
        if (result.keptOldBytes)
            out << "The old bytes at " << hexAddress(result.source.offset) << " were kept: " << *result.keptOldBytes
                << ".\n";
    }
    for (const int mended : result.mendedAreas)
        out << "The enemy data of area " << hex2(mended) << " now ends with the byte FF, so it loads as before.\n";
    output.report(out);
    return 0;
}

// Writes the level block of an image to a level dump.
int runDump(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(2);
    const RomImage image = openInes(args.positional(0), "dump", args);
    try {
        writeLevelDump(image, args.positional(1));
    } catch (const ImageError& error) {
        throw ImageError(std::string("Error dumping! ") + error.what());
    }
    out << "Dump done.\n";
    return 0;
}

// Puts a level dump into an image.
int runInsert(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(2);
    ImageOutput output(args, args.positional(0));
    RomImage image = openInes(output, args.positional(0), "insert", args);
    std::vector<std::uint8_t> block;
    try {
        block = readLevelDump(args.positional(0), args.positional(1));
    } catch (const ImageError& error) {
        throw ImageError(std::string("Error! ") + error.what());
    }
    const RomImage before = image;
    insertLevelBlock(image, block);
    const std::vector<int> spoilt = areasNoLongerClean(before, image);
    output.write(image);
    out << "Level data insertion done.\n";
    if (!spoilt.empty()) {
        out << "These areas no longer load cleanly:";
        for (std::size_t i = 0; i < spoilt.size(); ++i)
            out << (i ? ", " : " ") << hex2(spoilt[i]);
        out << ".\n";
    }
    output.report(out);
    return 0;
}

const CommandRegistration kFreeCommand({.name = "free", .usage = "free IMAGE [--json]", .valued = {},
                                        .flags = {"--json"}, .run = runFree});
const CommandRegistration kMoveCommand({.name = "move",
                                        .usage = "move IMAGE AREA level|enemy ADDRESS [--pointers-only | --copy | "
                                                 "--copy-erase] [--dry-run] [-o OUT]",
                                        .valued = ImageOutput::withValued({}),
                                        .flags = ImageOutput::withFlags({"--pointers-only", "--copy", "--copy-erase"}),
                                        .run = runMove});
const CommandRegistration kDumpCommand({.name = "dump", .usage = "dump IMAGE FILE.qlv", .valued = {}, .flags = {},
                                        .run = runDump});
const CommandRegistration kInsertCommand({.name = "insert", .usage = "insert IMAGE FILE.qlv [--dry-run] [-o OUT]",
                                          .valued = ImageOutput::withValued({}), .flags = ImageOutput::withFlags({}),
                                          .run = runInsert});

} // namespace

} // namespace quorled::cli
