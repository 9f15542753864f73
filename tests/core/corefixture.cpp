#include "core/corefixture.h"

#include "romdata/palettetables.h"

#include <fstream>
#include <random>
#include <sstream>

namespace quorled::testing {

namespace {

struct SyntheticPictures {
    Picture scenery{256, 256, 0x101010};
    Picture labels{256, 256, 0x000000};
    Picture enemies{256, 256, 0x000000};
    Picture mask{256, 256, 0xFFFFFF};
    Picture master{16, 4};
    GraphicsSources sources;

    SyntheticPictures()
    {
        for (int n = 0; n < 64; ++n)
            master.setPixel(n % 16, n / 16, carriedColour(n));
        sources.scenery0 = sources.scenery1 = sources.scenery3 = sources.scenery6 = &scenery;
        sources.labels = &labels;
        sources.enemies = {&enemies, &enemies, &enemies, &enemies};
        sources.enemyMask = &mask;
        sources.masterPalette = &master;
    }
};

} // namespace

const GraphicsSources& syntheticCarriedPictures()
{
    static const SyntheticPictures pictures;
    return pictures.sources;
}

CoreFolder::CoreFolder()
{
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() / ("quorled-core-" + std::to_string(random()));
    std::filesystem::create_directories(folder_);
}

CoreFolder::~CoreFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void CoreFolder::writeFile(const std::string& name, const std::string& text) const
{
    std::ofstream(path(name), std::ios::binary) << text;
}

void CoreFolder::writeImage(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    std::ofstream out(path(name), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string CoreFolder::readFile(const std::string& name) const
{
    std::ifstream in(path(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

test::TestImage editorTestImage()
{
    test::TestImage rom;
    constexpr long level = 0x11000;
    constexpr long enemy = 0x12800;
    // Horizontal, level palette 0, four pages, object set 0.
    rom.put(level, {0x80, 0x00, 0x30, 0x00, 0x25, 0x31, 0x07, 0x2C, 0xF5, 0x0A, 0x1F, 0xFF});
    rom.put(enemy, {0x03, 0x3C, 0x45, 0x01, 0x05, 0x10, 0x2A, 0x11, 0x3B, 0xFF});
    rom.setLevelPointer(10, level);
    rom.setEnemyPointer(10, enemy);
    // The enemy data of area 10 ends where that of area 11 begins.
    rom.put(enemy + 0x100, {0x01, 0xFF});
    rom.setEnemyPointer(11, enemy + 0x100);
    for (int p = 0; p < 8; ++p) {
        rom.put(levelPaletteOffset(0, p, 0), {0x01 + p, 0x11 + p});
    }
    return rom;
}

} // namespace quorled::testing
