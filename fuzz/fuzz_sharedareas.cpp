// Crafted images whose areas all lie on the same data (the first area's, or
// an offset the input names). Areas with equal decode keys decode alike
// (the whole-game views load each key once), so each key among every
// seventh area is loaded once, one more area the input chooses is loaded in
// full and checked equal to the shared load, and each key's save is planned
// once (the chosen area's for its key). Nothing may read outside the image,
// loop without end or crash, and a save is either planned or refused with a
// reason.
#include "fuzzimage.h"

#include "romdata/areadecodekey.h"
#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"
#include "romdata/sharedload.h"

#include <map>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorled;
    const fuzz::FuzzRom input = fuzz::fuzzRomImage(data, size);
    const RomImage& image = input.image;
    AreaDirectory directory = buildAreaDirectory(image, input.kind);
    long level = directory.areaLevelOffset[0];
    long enemy = directory.areaEnemyOffset[0];
    if (size >= 6) {
        level = (static_cast<long>(data[size - 1]) << 16 | data[size - 2] << 8 | data[size - 3]) % (image.size() + 16);
        enemy = (static_cast<long>(data[size - 4]) << 16 | data[size - 5] << 8 | data[size - 6]) % (image.size() + 16);
    }
    for (int area = 0; area < kAreaCount; ++area) {
        directory.areaLevelOffset[static_cast<std::size_t>(area)] = level;
        directory.areaEnemyOffset[static_cast<std::size_t>(area)] = enemy;
    }
    const auto plan = [&](const AreaModel& model) {
        try {
            const SavePlan plan = planSave(image, directory, input.kind, model);
            if (plan.refusal && plan.refusal->text.empty())
                __builtin_trap();
        } catch (const ImageError&) {
        }
    };
    std::map<AreaDecodeKey, AreaModel> loaded;
    for (int area = 0; area < kAreaCount; area += 7) {
        const AreaDecodeKey key = areaDecodeKey(directory, input.kind, area);
        if (!loaded.contains(key))
            loaded.emplace(key, loadArea(image, directory, input.kind, area));
    }
    const int chosen = size >= 7 ? data[size - 7] % kAreaCount : 1;
    const AreaDecodeKey chosenKey = areaDecodeKey(directory, input.kind, chosen);
    const AreaModel model = loadArea(image, directory, input.kind, chosen);
    if (const auto shared = loaded.find(chosenKey); shared != loaded.end() && asLoadedFor(shared->second, chosen) != model)
        __builtin_trap();
    // Each key's save is planned once: the chosen area's for its own key.
    plan(model);
    for (const auto& [key, first] : loaded) {
        if (first.objCount() == 0)
            __builtin_trap(); // the first object is always decoded
        if (key != chosenKey)
            plan(first);
    }
    return 0;
}
