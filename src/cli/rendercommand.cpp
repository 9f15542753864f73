#include "commands.h"

#include "imagesession.h"

#include "assets/artwork.h"
#include "assets/imageconversion.h"
#include "core/workbench/gameareapass.h"
#include "core/workbench/gameoverview.h"
#include "romdata/arealoader.h"
#include "romdata/builtinpalettes.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "view/graphics.h"
#include "view/renderer.h"
#include "view/viewstate.h"
#include "romdata/shownname.h"

#include <utility>

namespace quorled::cli {

namespace {

// "A,B" as two numbers within min..max.
std::pair<int, int> parsePair(const std::string& text, const std::string& what, int min, int max)
{
    const auto comma = text.find(',');
    if (comma == std::string::npos)
        throw UsageError(what + " \"" + text + "\" must be two numbers separated by a comma");
    return {parseNumber(text.substr(0, comma), what, min, max), parseNumber(text.substr(comma + 1), what, min, max)};
}

int parseGroundView(const std::string& text)
{
    if (text == "none")
        return 0;
    if (text == "above")
        return 1;
    if (text == "behind")
        return 2;
    throw UsageError("--ground \"" + text + "\" must be none, above or behind");
}

// Pictures are written up to this many pixels a side and in all: a map of
// a long area at a large zoom would otherwise take seconds and gigabytes.
constexpr long kLargestPictureSide = 16384;
constexpr long kMostPicturePixels = 16L << 20;

void refuseLargePicture(long width, long height, const std::string& outPath)
{
    if (width > kLargestPictureSide || height > kLargestPictureSide || width * height > kMostPicturePixels)
        throw ImageError("The picture would be " + std::to_string(width) + " x " + std::to_string(height) +
                         " pixels, more than the " + std::to_string(kLargestPictureSide) +
                         " pixels a side and " + std::to_string(kMostPicturePixels) +
                         " pixels in all a picture may have, so " + shownName(outPath) +
                         " was not written; choose a smaller --zoom.");
}

// The picture of every area with its door links, as the overview shows it.
int renderOverview(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(2);
    const std::string& outPath = args.positional(1);
    refuseOutputOverImage(outPath, args.positional(0));
    const int zoom = args.value("--zoom") ? parseNumber(*args.value("--zoom"), "--zoom", 1, 4) : 1;
    const ImageSession session = ImageSession::open(args.positional(0), args);
    ThumbnailPainter painter(assets::loadGraphics(), startupPalettes(session.image, session.kind));
    // One decoded area at a time: its thumbnail, marks and arrows.
    const OverviewLayout layout = overviewLayout(gameAreaHeads(session.image, session.directory, session.kind));
    std::vector<OverviewCell> cells(kAreaCount);
    forEachGameArea(session.image, session.directory, session.kind, [&](const GameAreas& game, int area) {
        cells[static_cast<std::size_t>(area)] = overviewCell(painter, game, area, layout);
    });
    const Picture picture = composeOverview(layout, cells);
    refuseLargePicture(picture.width() * zoom, picture.height() * zoom, outPath);
    if (args.flag("--dry-run"))
        out << "Dry run, nothing was written: would write ";
    else
        assets::savePng(picture, outPath, zoom);
    out << shownName(outPath) << ": " << picture.width() * zoom << " x " << picture.height() * zoom << ", " << kAreaCount
        << " areas\n";
    return 0;
}

int runRender(const CliArgs& args, std::ostream& out)
{
    if (args.flag("--overview"))
        return renderOverview(args, out);
    const bool dryRun = args.flag("--dry-run");
    args.expectPositionals(3);
    const int areaNumber = parseAreaNumber(args.positional(1));
    const std::string& outPath = args.positional(2);
    refuseOutputOverImage(outPath, args.positional(0));

    ViewState view;
    view.groundView = parseGroundView(args.value("--ground").value_or("above"));
    view.pageView = args.flag("--pages") ? 1 : 0;
    view.objectMarks = args.flag("--marks") ? 1 : 0;
    view.screenLineView = args.flag("--screen-lines") ? 1 : 0;
    view.showPointersAsObjects = args.flag("--pointers-as-objects");
    if (const auto at = args.value("--at"))
        std::tie(view.viewColumn, view.viewRow) = parsePair(*at, "--at", -4096, 4096);
    const int zoom = args.value("--zoom") ? parseNumber(*args.value("--zoom"), "--zoom", 1, 16) : 1;

    const ImageSession session = ImageSession::open(args.positional(0), args);
    AreaModel area = loadArea(session.image, session.directory, session.kind, areaNumber);
    if (const auto select = args.value("--select"))
        std::tie(area.selectedObject, area.selectedEnemy) = parsePair(*select, "--select", -9999, 99999);

    const PaletteTables palettes = startupPalettes(session.image, session.kind);
    GraphicsModel graphics = assets::loadGraphics();
    applyLevelPalette(graphics, area, session.directory.worldFirstArea, palettes);
    Renderer renderer(graphics, palettes);

    if (args.flag("--map")) {
        const Picture map = drawAreaMap(renderer, area, view, session.directory.worldFirstArea);
        refuseLargePicture(map.width() * zoom, map.height() * zoom, outPath);
        if (dryRun)
            out << "Dry run, nothing was written: would write ";
        else
            assets::savePng(map, outPath, zoom);
        out << shownName(outPath) << ": " << map.width() * zoom << " x " << map.height() * zoom << ", "
            << area.header.levelLength() + 1 << " pages\n";
        return 0;
    }
    renderer.drawArea(area, view, session.directory.worldFirstArea);
    if (dryRun)
        out << "Dry run, nothing was written: would write ";
    else
        assets::savePng(renderer.picture(), outPath, zoom);
    out << shownName(outPath) << ": " << Renderer::kViewWidth * zoom << " x " << Renderer::kViewHeight * zoom
        << ", view at column " << view.viewColumn << ", row " << view.viewRow << "\n";
    return 0;
}

const CommandRegistration kRenderCommand({.name = "render",
                                          .usage = "render IMAGE AREA OUT.png [--at COL,ROW] [--ground "
                                                   "none|above|behind] [--pages] [--marks] [--screen-lines] "
                                                   "[--pointers-as-objects] [--select OBJ,ENEMY] [--map] [--zoom N] "
                                                   "[--reference FILE] [--dry-run] | render IMAGE --overview "
                                                   "OUT.png [--zoom N]",
                                          .valued = {"--reference", "--at", "--ground", "--select", "--zoom"},
                                          .flags = {"--pages", "--marks", "--screen-lines", "--pointers-as-objects",
                                                    "--map", "--dry-run", "--overview"},
                                          .run = runRender});

} // namespace

} // namespace quorled::cli
