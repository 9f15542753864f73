// Loads an area of a fuzzed image, draws it at a position the input picks,
// edits it a little and works out what a save would write: rendering and
// encoding must cope with any decoded model.
#include "fuzzimage.h"

#include "assets/artwork.h"
#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/builtinpalettes.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"
#include "view/renderer.h"
#include "view/viewstate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorled;
    static const GraphicsModel graphics = assets::loadGraphics();
    if (size < 8)
        return 0;
    // One renderer for every input: its picture is not rebuilt each time.
    static PaletteTables palettes;
    static Renderer renderer(graphics, palettes);
    const fuzz::FuzzRom input = fuzz::fuzzRomImage(data, size);
    const RomImage& image = input.image;
    const AreaDirectory directory = buildAreaDirectory(image, input.kind);
    palettes = startupPalettes(image, input.kind);
    const int area = data[size - 1] % (lastAreaIndex + 1);
    AreaModel model = loadArea(image, directory, input.kind, area);

    ViewState view;
    view.viewColumn = static_cast<std::int8_t>(data[size - 2]) * 2;
    view.viewRow = static_cast<std::int8_t>(data[size - 3]);
    view.groundView = data[size - 4] % 3;
    view.pageView = data[size - 4] >> 2 & 1;
    view.objectMarks = data[size - 4] >> 3 & 1;
    view.screenLineView = data[size - 4] >> 4 & 1;
    view.showPointersAsObjects = data[size - 4] >> 5 & 1;
    model.selectedObject = static_cast<std::int8_t>(data[size - 5]);
    model.selectedEnemy = static_cast<std::int8_t>(data[size - 6]);
    renderer.drawArea(model, view, directory.worldFirstArea);

    // Move the first object and enemy somewhere the input says, as a drag would.
    if (!model.objects.empty())
        model.objects.front().y += static_cast<std::int8_t>(data[size - 7]);
    if (!model.enemies.empty())
        model.enemies.front().x += static_cast<std::int8_t>(data[size - 8]);
    try {
        planSave(image, directory, input.kind, model);
    } catch (const ImageError&) {
        // A refusal by exception (pointers changed) is a valid answer.
    }
    return 0;
}
