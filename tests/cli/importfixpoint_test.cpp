#include "cli/areaimport.h"

#include "romdata/areadirectory.h"
#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/demo/demoimage.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace quorled {
namespace {

// A random document in the form `area --json` writes: any header, objects
// of every kind (with layer switches and pointers), and enemies spread over
// a few pages, or none at all.
std::string randomAreaDocument(std::mt19937& random)
{
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::ostringstream json;
    const int header0 = pick(0, 255);
    const bool vertical = (header0 & 0x80) == 0;
    json << "{\"header\": [" << header0 << ", " << pick(0, 255) << ", " << pick(0, 255) << ", " << pick(0, 255)
         << "], \"objects\": [";
    int layer = 0;
    const int objects = pick(0, 12);
    for (int i = 0; i < objects; ++i) {
        const bool special = pick(0, 3) == 0;
        const int kind = pick(0, 15);
        const int x = special ? (vertical ? kind : 16 * pick(0, 6) + kind) : (vertical ? pick(0, 15) : pick(0, 110));
        const int y = vertical ? pick(0, 100) : pick(0, 14);
        json << (i ? ", " : "") << "{\"type\": " << (special ? kSpecialObjectType : pick(0, 255)) << ", \"x\": " << x
             << ", \"y\": " << y << ", \"special\": " << (special ? "true" : "false") << ", \"layer\": " << layer
             << ", \"param\": [" << pick(0, 255) << ", " << pick(0, 255) << "]}";
        if (special && kind == 4)
            ++layer;
    }
    json << "], \"enemies\": [";
    const int enemies = pick(0, 3) == 0 ? 0 : pick(1, 8);
    for (int i = 0; i < enemies; ++i) {
        const int x = vertical ? pick(0, 15) : pick(0, 100);
        const int y = vertical ? pick(0, 100) : pick(0, 15);
        json << (i ? ", " : "") << "{\"type\": " << pick(0, 255) << ", \"x\": " << x << ", \"y\": " << y << "}";
    }
    json << "]}";
    return json.str();
}

// Every import the checks accept is saved to bytes that a save of the area
// as it then loads leaves alone: no page count drifts, no byte moves.
TEST(ImportFixpoint, EveryAcceptedImportSavesToAFixpoint)
{
    std::mt19937 random(16);
    const RomImage demo = RomImage::fromBytes(buildDemoImage(ImageKind::Ines));
    const AreaDirectory directory = buildAreaDirectory(demo, ImageKind::Ines);
    int accepted = 0;
    for (int round = 0; round < 400; ++round) {
        RomImage image = RomImage::fromBytes(demo.bytes());
        const int area = std::uniform_int_distribution<int>(0, kAreaCount - 1)(random);
        const std::string document = randomAreaDocument(random);
        AreaModel model = loadArea(image, directory, ImageKind::Ines, area);
        try {
            applyAreaJson(parseJson(document, kAreaJsonLimits), model, "random.json");
        } catch (const ImageError&) {
            continue; // a document the import refuses
        }
        ViewPosition view;
        if (!saveArea(image, directory, ImageKind::Ines, model, view).saved)
            continue;
        ++accepted;
        const std::vector<std::uint8_t> first = image.bytes();
        const SaveResult again = saveArea(image, directory, ImageKind::Ines, model, view);
        ASSERT_TRUE(again.saved) << "area " << area << ": " << document;
        EXPECT_TRUE(again.changedOffsets.empty()) << "area " << area << " changed again at $" << std::hex
                                                  << again.changedOffsets.front() << ": " << document;
        EXPECT_EQ(image.bytes(), first);
    }
    // The rounds must exercise the rule, not only the refusals.
    EXPECT_GE(accepted, 150);
}

} // namespace
} // namespace quorled
