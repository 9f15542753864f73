// Feeds fuzzed row and value texts of `set` to its number reader and the
// table rules: a text is a number or a usage message; a refused row or value
// changes no byte; an accepted one changes exactly the byte it names, to the
// value, and the table lists it so afterwards.
#include "cli/cliargs.h"
#include "core/exchange/gametables.h"
#include "romdata/demo/demoimage.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"

#include <algorithm>
#include <climits>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorled;
    static const RomImage demo[2] = {RomImage::fromBytes(buildDemoImage(ImageKind::Ines)),
                                     RomImage::fromBytes(buildDemoImage(ImageKind::Snes))};
    if (size < 2)
        return 0;
    // Byte 0: the kind and the table; byte 1: where the row text ends and
    // the value text begins.
    const ImageKind kind = data[0] & 1 ? ImageKind::Snes : ImageKind::Ines;
    const std::vector<std::string>& names = gameTableNames();
    const std::size_t which = (data[0] >> 1) % (names.size() + 1);
    const std::string table = which < names.size() ? names[which] : "no-such-table";
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::size_t split = std::min<std::size_t>(data[1], text.size());
    int row = 0;
    int value = 0;
    try {
        row = cli::parseNumber(text.substr(0, split), "row", INT_MIN, INT_MAX);
        value = cli::parseNumber(text.substr(split), "value", INT_MIN, INT_MAX);
    } catch (const cli::UsageError&) {
        return 0; // not a number: the usage message
    }
    RomImage image = demo[kind == ImageKind::Snes];
    long offset = -1;
    try {
        offset = setGameTableRow(image, kind, table, row, value);
    } catch (const ImageError&) {
        if (image.bytes() != demo[kind == ImageKind::Snes].bytes())
            __builtin_trap(); // a refusal changed the image
        return 0;
    }
    if (value < 0 || value > 255 || image.read(offset) != value)
        __builtin_trap();
    const std::vector<std::uint8_t>& before = demo[kind == ImageKind::Snes].bytes();
    const std::vector<std::uint8_t>& after = image.bytes();
    const auto [changed, was] = std::mismatch(after.begin(), after.end(), before.begin());
    if (changed != after.end() &&
        (changed - after.begin() != offset || !std::equal(changed + 1, after.end(), was + 1)))
        __builtin_trap(); // a byte other than the row's changed
    bool listed = false;
    for (const GameTable& shown : listGameTables(image, kind))
        for (const GameTableRow& r : shown.rows)
            listed = listed || (shown.name == table && r.offset == offset && r.value == value);
    if (!listed)
        __builtin_trap();
    return 0;
}
