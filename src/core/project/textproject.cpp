#include "core/project/textproject.h"

#include "core/project/areatext.h"
#include "core/project/sha256.h"
#include "core/project/tabletext.h"
#include "core/project/textlines.h"

#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/relocatingsave.h"
#include "romdata/shownname.h"

namespace quorled {

namespace {

std::string projectFileText(const ProjectImage& source)
{
    return std::string("# Quorled text project: areas/ holds one file per area, tables/ one per game-wide table.\n"
                       "# Build the image with: quorled-cli pack FOLDER --base IMAGE -o OUT\n") +
           "format " + std::to_string(kProjectFormatVersion) + "\n" + "kind " + imageKindName(source.kind) + "\n" +
           "image-size " + std::to_string(source.image.size()) + "\n" + "image-sha256 " +
           sha256Hex(source.image.bytes()) + "\n" + "end\n";
}

const std::string& fileText(const ProjectFiles& files, const std::string& path)
{
    const auto found = files.find(path);
    if (found == files.end())
        throw ImageError("The project has no file " + path + ". Nothing was written.");
    return found->second;
}

std::string withOutcome(const std::string& message) { return message + ". Nothing was written."; }

enum class SharedPart { Level, Enemies };

long sharedOffset(const AreaModel& model, SharedPart part)
{
    return part == SharedPart::Level ? model.levelDataOffset : model.enemyDataOffset;
}

bool samePart(const AreaItems& a, const AreaItems& b, SharedPart part)
{
    return part == SharedPart::Level ? a.header == b.header && a.objects == b.objects : a.enemies == b.enemies;
}

void copyPart(const AreaItems& from, AreaItems& to, SharedPart part)
{
    if (part == SharedPart::Level) {
        to.header = from.header;
        to.objects = from.objects;
    } else {
        to.enemies = from.enemies;
    }
}

// "# Shares its level data with areas 06, 07": areas reading the same bytes
// show the same items, so an edit of one changes them all.
std::string sharingNote(const std::vector<AreaModel>& models, int area)
{
    std::string note;
    for (const SharedPart part : {SharedPart::Level, SharedPart::Enemies}) {
        std::vector<std::string> partners;
        for (const AreaModel& other : models)
            if (other.area != area && sharedOffset(other, part) == sharedOffset(models[area], part))
                partners.push_back(hex2(other.area));
        if (partners.empty())
            continue;
        note += std::string("# Shares its ") + (part == SharedPart::Level ? "level" : "enemy") + " data with area" +
                (partners.size() == 1 ? " " : "s ");
        for (std::size_t i = 0; i < partners.size(); ++i)
            note += (i ? ", " : "") + partners[i];
        note += "\n";
    }
    return note;
}

std::vector<AreaModel> loadAllAreas(const ProjectImage& source)
{
    std::vector<AreaModel> models;
    for (int area = 0; area < kAreaCount; ++area)
        models.push_back(loadArea(source.image, source.directory, source.kind, area));
    return models;
}

std::string areaText(const std::vector<AreaModel>& models, int area, const AreaDirectory& directory)
{
    const std::string text = writeAreaText(models[area], directory);
    const std::size_t firstLineEnd = text.find('\n') + 1;
    return text.substr(0, firstLineEnd) + sharingNote(models, area) + text.substr(firstLineEnd);
}

// Areas whose level (or enemy) data lie at the same offset read the same
// bytes. Each area's items take the shared part from whichever of them was
// edited, so saving one area does not undo the edit of another; two edits
// that differ are refused, since one of them would be lost.
void spreadSharedEdits(const std::vector<AreaModel>& base, std::vector<AreaItems>& items)
{
    for (const SharedPart part : {SharedPart::Level, SharedPart::Enemies}) {
        const char* what = part == SharedPart::Level ? "level data (header and objects)" : "enemy data";
        for (int area = 0; area < kAreaCount; ++area) {
            int edited = -1;
            std::vector<int> group;
            for (int other = 0; other < kAreaCount; ++other) {
                // Enemy coordinates follow the level's scrolling direction,
                // so only areas that read the shared bytes alike are grouped.
                if (sharedOffset(base[other], part) != sharedOffset(base[area], part) ||
                    !samePart(areaItems(base[other]), areaItems(base[area]), part))
                    continue;
                if (other < area)
                    break; // the group was handled at its first area
                group.push_back(other);
                if (samePart(items[other], areaItems(base[other]), part))
                    continue;
                if (edited >= 0 && !samePart(items[other], items[edited], part))
                    throw ImageError(withOutcome(areaTextPath(edited) + " and " + areaTextPath(other) +
                                                 " describe the same " + what + " differently (areas " +
                                                 hex2(edited) + " and " + hex2(other) +
                                                 " share it); make them agree or edit only one"));
                if (edited < 0)
                    edited = other;
            }
            if (edited >= 0)
                for (const int other : group)
                    copyPart(items[edited], items[other], part);
        }
    }
}

} // namespace

std::vector<std::string> projectPaths(const ProjectImage& source)
{
    std::vector<std::string> paths{kProjectFileName};
    for (int area = 0; area < kAreaCount; ++area)
        paths.push_back(areaTextPath(area));
    for (const TableText& table : projectTables(source.image, source.kind))
        paths.push_back(tableTextPath(table.name));
    return paths;
}

ProjectFiles unpackImage(const ProjectImage& source)
{
    ProjectFiles files;
    files[kProjectFileName] = projectFileText(source);
    const std::vector<AreaModel> models = loadAllAreas(source);
    for (int area = 0; area < kAreaCount; ++area)
        files[areaTextPath(area)] = areaText(models, area, source.directory);
    for (const TableText& table : projectTables(source.image, source.kind))
        files[tableTextPath(table.name)] = writeTableText(table);
    return files;
}

ProjectOrigin readProjectOrigin(const std::string& text)
{
    TextLines lines(kProjectFileName, text);
    ProjectOrigin origin;
    const auto field = [&](const char* name) {
        if (!lines.next())
            lines.failLine(std::string("expected \"") + name + "\" before \"end\"");
        lines.expectKeyword(name);
    };
    field("format");
    const int format = lines.decimalWord(1, 0, 1 << 30, "the format version");
    if (format != kProjectFormatVersion)
        lines.fail(1, "this Quorled reads format " + std::to_string(kProjectFormatVersion) + ", not " +
                          std::to_string(format));
    lines.expectNoMoreWords(2, "the format version");
    field("kind");
    const std::string kind = lines.wordCount() > 1 ? lines.word(1) : std::string();
    if (kind != "ines" && kind != "snes" && kind != "fds")
        lines.fail(1, "expected the image kind ines, snes or fds");
    origin.kind = imageKindFromName(kind);
    lines.expectNoMoreWords(2, "the image kind");
    field("image-size");
    origin.size = lines.decimalWord(1, 1, 1 << 30, "the image's size in bytes");
    lines.expectNoMoreWords(2, "the size");
    field("image-sha256");
    origin.sha256 = lines.wordCount() > 1 ? lines.word(1) : std::string();
    if (origin.sha256.size() != 64 || origin.sha256.find_first_not_of("0123456789abcdef") != std::string::npos)
        lines.fail(1, "expected 64 lower-case hexadecimal digits");
    lines.expectNoMoreWords(2, "the SHA-256");
    if (lines.next())
        lines.fail(0, "expected \"end\"");
    return origin;
}

PackResult packProject(const ProjectFiles& files, const ProjectImage& base)
{
    const ProjectOrigin origin = readProjectOrigin(fileText(files, kProjectFileName));
    const std::string baseHash = sha256Hex(base.image.bytes());
    if (origin.kind != base.kind || origin.size != base.image.size() || origin.sha256 != baseHash)
        throw ImageError(withOutcome("The project was unpacked from another image: the " +
                                     std::string(imageKindName(origin.kind)) + " image of " +
                                     std::to_string(origin.size) + " bytes with SHA-256 " + origin.sha256 +
                                     ", not the " + imageKindName(base.kind) + " image " + shownName(base.image.path()) +
                                     " (" + std::to_string(base.image.size()) + " bytes, SHA-256 " + baseHash +
                                     ")"));

    // Read everything before changing anything, so a fault anywhere in the
    // text is reported before any save is tried.
    const std::vector<AreaModel> baseModels = loadAllAreas(base);
    std::vector<AreaItems> areaTexts;
    for (int area = 0; area < kAreaCount; ++area) {
        const std::string path = areaTextPath(area);
        const std::string& text = fileText(files, path);
        areaTexts.push_back(text == areaText(baseModels, area, base.directory) ? areaItems(baseModels[area])
                                                                                : readAreaText(path, text));
    }
    spreadSharedEdits(baseModels, areaTexts);
    const std::vector<TableText> tables = projectTables(base.image, base.kind);
    std::vector<std::pair<const TableText*, std::vector<std::vector<int>>>> changedTables;
    for (const TableText& table : tables) {
        const std::string path = tableTextPath(table.name);
        const std::string& text = fileText(files, path);
        if (text != writeTableText(table))
            changedTables.emplace_back(&table, readTableText(table, path, text));
    }

    RomImage image = RomImage::fromBytes(base.image.bytes());
    AreaDirectory directory = base.directory;
    PackResult result;
    for (int area = 0; area < kAreaCount; ++area) {
        const std::string path = areaTextPath(area);
        AreaModel model = loadArea(image, directory, base.kind, area);
        // An unchanged area keeps its bytes; one that shares its data with
        // an area saved before may already read what its text says.
        const AreaItems& items = areaTexts[area];
        if (items == areaItems(baseModels[area]) || items == areaItems(model))
            continue;
        applyAreaItems(items, model);
        ViewPosition view;
        SaveResult saved;
        if (base.kind == ImageKind::Ines) {
            RelocatingSave relocated = saveWithRelocation(image, directory, model, view);
            saved = relocated.result;
            if (saved.saved) {
                directory = relocated.directory;
                for (const std::string& move : relocated.moves)
                    result.log.push_back(path + ": moved " + move);
            }
        } else {
            saved = saveArea(image, directory, base.kind, model, view);
        }
        if (saved.refusal)
            throw ImageError(withOutcome(path + ": " + saved.refusal->title + " " + saved.refusal->text));
        result.log.push_back(path + ": area " + hex2(area) + " saved, " + std::to_string(saved.changedOffsets.size()) +
                             " bytes changed");
    }
    for (const auto& [table, values] : changedTables) {
        const std::string path = tableTextPath(table->name);
        try {
            applyTableValues(*table, values, path, image, base.kind);
        } catch (const ImageError& error) {
            throw ImageError(withOutcome(error.what()));
        }
        int rows = 0;
        for (std::size_t r = 0; r < values.size(); ++r)
            rows += values[r] != table->rows[r].values ? 1 : 0;
        result.log.push_back(path + ": " + std::to_string(rows) + (rows == 1 ? " row" : " rows") + " written");
    }
    result.bytes = image.bytes();
    return result;
}

} // namespace quorled
