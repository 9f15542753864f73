#include "graphics.h"

#include "romdata/areamodel.h"
#include "romdata/imageerror.h"
#include "romdata/palettetables.h"

#include <string>

namespace quorled {

namespace {

const Picture& requirePicture(const Picture* picture, const char* what, int minWidth, int minHeight)
{
    if (picture == nullptr)
        throw ImageError(std::string("The graphics set-up is missing the ") + what + ".");
    if (picture->width() < minWidth || picture->height() < minHeight)
        throw ImageError(std::string("The ") + what + " is " + std::to_string(picture->width()) + " x " +
                         std::to_string(picture->height()) + " pixels; at least " + std::to_string(minWidth) +
                         " x " + std::to_string(minHeight) + " are needed.");
    return *picture;
}

std::vector<std::uint32_t> readSceneryRows(const Picture& sheet)
{
    std::vector<std::uint32_t> pixels(GraphicsModel::kSheetSize * GraphicsModel::kSceneryRows);
    for (int y = 0; y < GraphicsModel::kSceneryRows; ++y)
        for (int x = 0; x < GraphicsModel::kSheetSize; ++x)
            pixels[static_cast<std::size_t>(x + GraphicsModel::kSheetSize * y)] = sheet.pixel(x, y);
    return pixels;
}

void clearMaskedPixels(Picture& sheet, const Picture& mask)
{
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, sheet.pixel(x, y) & ~mask.pixel(x, y) & 0xFFFFFF);
}

} // namespace

void initGraphics(GraphicsModel& model, const GraphicsSources& sources)
{
    constexpr int size = GraphicsModel::kSheetSize;
    constexpr int scenery = GraphicsModel::kSceneryRows;
    model.sheetPixels = {};
    model.sheetPixels[0] = readSceneryRows(requirePicture(sources.scenery0, "scenery sheet 0", size, scenery));
    model.sheetPixels[1] = readSceneryRows(requirePicture(sources.scenery1, "scenery sheet 1", size, scenery));
    model.sheetPixels[3] = readSceneryRows(requirePicture(sources.scenery3, "scenery sheet 3", size, scenery));
    model.sheetPixels[6] = readSceneryRows(requirePicture(sources.scenery6, "scenery sheet 6", size, scenery));

    const Picture& labels = requirePicture(sources.labels, "label sheet", size, size - scenery);
    model.working = Picture(size, size);
    const int labelTop = labels.height() >= size ? scenery : 0;
    model.working.blit(labels, 0, labelTop, size, size - scenery, 0, scenery, BlitOp::Copy);

    for (std::size_t set = 0; set < model.enemySheets.size(); ++set) {
        const std::string name = "enemy sheet " + std::to_string(set);
        model.enemySheets[set] = requirePicture(sources.enemies[set], name.c_str(), size, size);
    }
    model.enemyMask = requirePicture(sources.enemyMask, "enemy mask", size, size);
    for (Picture& sheet : model.enemySheets)
        clearMaskedPixels(sheet, model.enemyMask);

    const Picture& master = requirePicture(sources.masterPalette, "master palette picture", 16, 4);
    for (int n = 0; n < 64; ++n)
        model.nesColourRgb[static_cast<std::size_t>(n)] = master.pixel(n % 16, n / 16) & 0xFFFFFF;
    model.ready = true;
}

int worldOfCurrentArea(int currentArea, const std::array<int, 9>& worldFirstArea)
{
    int world = 0;
    for (int i = 2; i <= 8; ++i)
        if (currentArea >= worldFirstArea[static_cast<std::size_t>(i)])
            world = i - 1;
    return world;
}

int scenerySheetForWorld(int world)
{
    switch (world) {
    case 1:
    case 5:
        return 1;
    case 3:
        return 3;
    case 6:
        return 6;
    default:
        return 0;
    }
}

int paletteSlot(std::uint32_t rgb)
{
    const std::uint32_t red = (rgb >> 16) & 0xFF;
    const std::uint32_t green = (rgb >> 8) & 0xFF;
    const std::uint32_t blue = rgb & 0xFF;
    const std::uint32_t platform = (blue << 16) | (green << 8) | red;
    return static_cast<int>(platform / 0x101010u);
}

int levelPaletteNumber(const AreaModel& area) { return area.header.levelPalette(); }

void applyLevelPalette(GraphicsModel& model, const AreaModel& area, const std::array<int, 9>& worldFirstArea,
                       const PaletteTables& palettes)
{
    model.levelPaletteNumber = levelPaletteNumber(area);
    model.paletteWorld = worldOfCurrentArea(area.area, worldFirstArea);
    const auto& sheet = model.sheetPixels[static_cast<std::size_t>(scenerySheetForWorld(model.paletteWorld))];
    if (sheet.empty())
        return; // graphics not set up yet
    const auto& palette =
        palettes.levelPalettes[static_cast<std::size_t>(8 * model.paletteWorld + model.levelPaletteNumber)];
    for (int y = 0; y < GraphicsModel::kSceneryRows; ++y) {
        for (int x = 0; x < GraphicsModel::kSheetSize; ++x) {
            const int slot = paletteSlot(sheet[static_cast<std::size_t>(x + GraphicsModel::kSheetSize * y)]);
            const int colour = palette[static_cast<std::size_t>(slot & 15)];
            model.working.setPixel(x, y, model.nesColourRgb[static_cast<std::size_t>(colour & 0x3F)]);
        }
    }
}

} // namespace quorled
