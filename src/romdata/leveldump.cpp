#include "leveldump.h"

#include "areadirectory.h"
#include "arealoader.h"
#include "filestore.h"
#include "imageerror.h"
#include "romimage.h"
#include "romlayout.h"
#include "shownname.h"

#include <sys/stat.h>

namespace quorled {

namespace {

bool insideRegion(long first, long last)
{
    return first >= kLevelRegionStart && last <= kLevelRegionEnd &&
           (last < kEnemyPointerBlockStart || first > kEnemyPointerBlockEnd);
}

std::vector<bool> cleanAreas(const RomImage& image)
{
    const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
    std::vector<bool> clean;
    for (int area = 0; area < kAreaCount; ++area) {
        const AreaModel model = loadArea(image, directory, ImageKind::Ines, area);
        clean.push_back(model.damage.empty() && insideRegion(model.levelDataOffset, model.levelEndMarkerOffset) &&
                        insideRegion(model.enemyDataOffset, model.enemyTerminatorOffset));
    }
    return clean;
}

} // namespace

std::string sameFileMessage() { return "Dump file can't be the same as ROM file!"; }

std::string proposedDumpName(const std::string& romFileName)
{
    const std::string stem = romFileName.size() < 4 ? romFileName : romFileName.substr(0, romFileName.size() - 4);
    return stem + ".qlv";
}

void writeLevelDump(const RomImage& image, const std::string& dumpPath)
{
    if (sameFileOnDisk(image.path(), dumpPath))
        throw ImageError(sameFileMessage());
    if (image.size() < kLevelDumpStart + kLevelDumpSize)
        throw ImageError("The image " + shownName(image.path()) + " is too short to hold the level data.");
    struct stat info {};
    if (::stat(dumpPath.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            throw ImageError("Can't write " + shownName(dumpPath) + ": it is not a plain file.");
        if (info.st_size != 0 && info.st_size != kLevelDumpSize)
            throw ImageError("The file " + shownName(dumpPath) + " has " + std::to_string(info.st_size) +
                             " bytes and a level dump has 16384: it is no level dump, so it was left alone.");
        if (isReadOnlyFile(dumpPath))
            throw ImageError("The file " + shownName(dumpPath) + " is read-only.");
    }
    const auto& bytes = image.bytes();
    writeWholeFile(dumpPath, std::vector<std::uint8_t>(bytes.begin() + kLevelDumpStart,
                                                       bytes.begin() + kLevelDumpStart + kLevelDumpSize));
}

std::vector<std::uint8_t> readLevelDump(const std::string& romPath, const std::string& dumpPath)
{
    if (sameFileOnDisk(romPath, dumpPath))
        throw ImageError(sameFileMessage());
    const std::string missing = "Dump file (" + shownName(dumpPath) + ") is either empty or doesn't exist.";
    struct stat info {};
    if (::stat(dumpPath.c_str(), &info) != 0)
        throw ImageError(missing);
    if (!S_ISREG(info.st_mode))
        throw ImageError("Dump file (" + shownName(dumpPath) + ") is not a plain file.");
    if (info.st_size == 0)
        throw ImageError(missing);
    std::vector<std::uint8_t> block = readWholeFile(dumpPath, {static_cast<std::size_t>(kLevelDumpSize) + 1, "a level dump"});
    if (block.empty())
        throw ImageError(missing);
    if (static_cast<long>(block.size()) != kLevelDumpSize)
        throw ImageError("Dump file (" + shownName(dumpPath) + ") has " + std::to_string(block.size()) +
                         " bytes; a level dump has exactly 16384. Nothing was inserted.");
    return block;
}

void insertLevelBlock(RomImage& image, const std::vector<std::uint8_t>& block)
{
    if (static_cast<long>(block.size()) != kLevelDumpSize || image.size() < kLevelDumpStart + kLevelDumpSize)
        throw ImageError("A level dump has exactly 16384 bytes and goes into an image that holds them.");
    image.writeBlock(kLevelDumpStart, block);
}

std::vector<int> areasNoLongerClean(const RomImage& before, const RomImage& after)
{
    const std::vector<bool> was = cleanAreas(before);
    const std::vector<bool> now = cleanAreas(after);
    std::vector<int> areas;
    for (int area = 0; area < kAreaCount; ++area)
        if (was[static_cast<std::size_t>(area)] && !now[static_cast<std::size_t>(area)])
            areas.push_back(area);
    return areas;
}

} // namespace quorled
