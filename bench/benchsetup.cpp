#include "benchsetup.h"

#include "assets/artwork.h"
#include "romdata/arealoader.h"
#include "romdata/builtinpalettes.h"
#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"
#include "view/renderer.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace quorled::bench {

namespace {

// The view position (page start) with the most objects in the drawing window.
BusySpot busiestPage(const AreaModel& area)
{
    BusySpot best;
    best.area = area.area;
    best.objectsInView = -1;
    const bool vertical = area.isVertical != 0;
    for (int page = 0; page <= area.header.levelLength(); ++page) {
        BusySpot spot;
        spot.area = area.area;
        spot.view = busyViewOptions();
        (vertical ? spot.view.viewRow : spot.view.viewColumn) = page * (vertical ? 15 : 16);
        for (const LevelObject& object : area.objects)
            if (object.x >= spot.view.viewColumn && object.x < spot.view.viewColumn + 16 &&
                object.y >= spot.view.viewRow && object.y < spot.view.viewRow + 15)
                ++spot.objectsInView;
        for (const Enemy& enemy : area.enemies)
            if (enemy.x >= spot.view.viewColumn && enemy.x < spot.view.viewColumn + 16 &&
                enemy.y >= spot.view.viewRow && enemy.y < spot.view.viewRow + 15)
                ++spot.enemiesInView;
        if (spot.objectsInView + spot.enemiesInView > best.objectsInView + best.enemiesInView)
            best = spot;
    }
    return best;
}

std::string temporaryFolder;

void removeTemporaryFolder()
{
    std::error_code ignored;
    if (!temporaryFolder.empty())
        std::filesystem::remove_all(temporaryFolder, ignored);
}

BenchImage makeBenchImage()
{
    BenchImage b;
    std::string pattern = (std::filesystem::temp_directory_path() / "quorled-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        fail("Can't make a temporary folder for the benchmarks.");
    b.folder = pattern;
    temporaryFolder = pattern;
    std::atexit(removeTemporaryFolder);
    b.path = b.file("demo.nes");
    writeWholeFile(b.path, buildDemoImage(b.kind));
    b.image = RomImage::openChecked(b.path, b.kind);
    b.directory = buildAreaDirectory(b.image, b.kind);
    b.palettes = startupPalettes(b.image, b.kind);
    b.graphics = assets::loadGraphics();

    for (int a = 0; a < kAreaCount; ++a) {
        const AreaModel area = loadArea(b.image, b.directory, b.kind, a);
        BusySpot spot = busiestPage(area);
        BusySpot& best = area.isVertical ? b.vertical : b.horizontal;
        if (spot.objectsInView + spot.enemiesInView > best.objectsInView + best.enemiesInView)
            best = spot;
    }
    return b;
}

} // namespace

ViewState busyViewOptions()
{
    ViewState view;
    view.groundView = 1;
    view.pageView = 1;
    view.objectMarks = 1;
    view.screenLineView = 1;
    return view;
}

const BenchImage& BenchImage::instance()
{
    static const BenchImage image = [] {
        try {
            return makeBenchImage();
        } catch (const std::exception& error) {
            fail(std::string("Benchmark set-up failed: ") + error.what());
        }
    }();
    return image;
}

void fail(const std::string& message)
{
    std::cerr << "quorled_bench: " << message << std::endl;
    std::exit(1);
}

} // namespace quorled::bench
