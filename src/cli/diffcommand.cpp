#include "commands.h"

#include "core/project/projectdiff.h"
#include "core/project/projectfolder.h"
#include "imagesession.h"
#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

#include <nlohmann/json.hpp>

namespace quorled::cli {

namespace {

std::string bytesText(const std::vector<int>& values)
{
    std::string text;
    for (int value : values)
        text += (text.empty() ? "" : " ") + hex2(value);
    return text;
}

void printText(const ProjectDiff& diff, std::ostream& out)
{
    for (const AreaDiff& area : diff.areas) {
        out << "area " << hex2(area.area) << ":\n";
        for (const HeaderChange& h : area.header)
            out << "  header " << h.field << ": " << h.before << " -> " << h.after << "\n";
        for (const ItemChange& item : area.items) {
            out << "  " << item.item << " " << item.index << " " << item.change << ": ";
            if (item.before.empty())
                out << item.after;
            else if (item.after.empty())
                out << item.before;
            else
                out << item.before << " -> " << item.after;
            out << "  (" << item.name << ")\n";
        }
    }
    for (const RowDiff& row : diff.rows)
        out << "table " << row.table << " row " << row.key << ": " << bytesText(row.before) << " -> "
            << bytesText(row.after) << "  (" << row.caption << ")\n";
    if (diff.sizes)
        out << "the images differ in size: " << *diff.sizes << "\n";
    for (const ByteRun& run : diff.otherBytes)
        out << "bytes outside the areas and tables: " << hexAddress(run.first)
            << (run.last > run.first ? "-" + hexAddress(run.last) : std::string()) << "\n";
    if (diff.empty())
        out << "no differences\n";
}

nlohmann::json toJson(const ProjectDiff& diff)
{
    nlohmann::json areas = nlohmann::json::array();
    for (const AreaDiff& area : diff.areas) {
        nlohmann::json header = nlohmann::json::array();
        for (const HeaderChange& h : area.header)
            header.push_back({{"field", h.field}, {"before", h.before}, {"after", h.after}});
        nlohmann::json items = nlohmann::json::array();
        for (const ItemChange& item : area.items)
            items.push_back({{"change", item.change}, {"item", item.item}, {"index", item.index},
                             {"before", item.before}, {"after", item.after}, {"name", item.name}});
        areas.push_back({{"area", area.area}, {"header", header}, {"items", items}});
    }
    nlohmann::json rows = nlohmann::json::array();
    for (const RowDiff& row : diff.rows)
        rows.push_back({{"table", row.table}, {"row", row.key}, {"caption", row.caption}, {"before", row.before},
                        {"after", row.after}});
    nlohmann::json other = nlohmann::json::array();
    for (const ByteRun& run : diff.otherBytes)
        other.push_back({{"first", run.first}, {"last", run.last}});
    nlohmann::json result = {{"equal", diff.empty()}, {"areas", areas}, {"rows", rows}, {"otherBytes", other}};
    if (diff.sizes)
        result["sizes"] = *diff.sizes;
    return result;
}

} // namespace

// Compares two images, or a text project and an image: exit 0 when they
// are equal, 1 when they differ.
int runDiff(const std::vector<std::string>& words, std::ostream& out)
{
    const CliArgs args(words, {"--reference"}, {"--json"});
    args.expectPositionals(2);
    const std::string& first = args.positional(0);
    const std::string& second = args.positional(1);
    const bool firstIsProject = isProjectFolder(first);
    const bool secondIsProject = isProjectFolder(second);
    if (firstIsProject && secondIsProject)
        throw UsageError("diff compares two images or a project folder and an image, not two project folders");
    ProjectDiff diff;
    if (!firstIsProject && !secondIsProject) {
        const ImageSession a = ImageSession::open(first, args);
        const ImageSession b = ImageSession::open(second, args);
        if (a.kind != b.kind)
            throw ImageError("The images are of different kinds (" + std::string(imageKindName(a.kind)) + " and " +
                             imageKindName(b.kind) + ").");
        diff = diffImages({a.image, a.kind, a.directory}, {b.image, b.kind, b.directory});
    } else {
        const std::string& folder = firstIsProject ? first : second;
        const ImageSession image = ImageSession::open(firstIsProject ? second : first, args);
        const ProjectImage side{image.image, image.kind, image.directory};
        const ProjectFiles files = readProjectFolder(folder, projectPaths(side));
        const ProjectOrigin origin = readProjectOrigin(files.at(kProjectFileName));
        if (origin.kind != image.kind)
            throw ImageError("The project " + shownName(folder) + " holds a " + imageKindName(origin.kind) +
                             " image, not one of the kind of " + shownName(image.image.path()) + ".");
        const ProjectContent project = folderContent(files, side);
        const ProjectContent other = imageContent(side);
        diff = firstIsProject ? diffContent(project, other) : diffContent(other, project);
    }
    if (args.flag("--json"))
        out << toJson(diff).dump() << "\n";
    else
        printText(diff, out);
    return diff.empty() ? 0 : 1;
}

} // namespace quorled::cli
