#pragma once

#include "core/exchange/jsondocument.h"

#include "romdata/areadirectory.h"
#include "romdata/areamodel.h"
#include "romdata/imagekind.h"
#include "romdata/shownname.h"

#include <ostream>
#include <string>
#include <vector>

namespace quorled {

// The area as `quorled-cli area --json` writes it (one line): its number,
// name, kind, offsets, header bytes, direction, objects, enemies and spare
// counts. The clipboard carries the same form.
void writeAreaJson(const AreaModel& model, ImageKind kind, const AreaDirectory& directory, std::ostream& out);

// What a document in that form holds besides offsets and spare counts.
struct AreaJsonContent {
    HeaderBits header;
    int isVertical = 0;
    std::vector<LevelObject> objects;
    std::vector<Enemy> enemies;
};

// What a document in that form can hold: the area document has 13 keys; an
// area's data lies within the 64 KiB a pointer reaches and every object and
// enemy takes at least two bytes of it.
inline constexpr JsonLimits kAreaJsonLimits{13, 32768, 8};

// Where a document came from, for its messages: "The file NAME" and
// "Nothing was written." for a file, other words for the clipboard.
struct JsonSource {
    std::string subject;
    std::string outcome;
    static JsonSource file(const std::string& fileName)
    {
        return {"The file " + shownName(fileName), "Nothing was written."};
    }
};

// How object layers are checked: a whole area's layers follow from its
// layer-switch objects; a single object taken out of an area keeps the
// layer it had there.
enum class LayerRule { FromLayerSwitches, AsWritten };

// Reads a document in the form `area --json` writes. Throws ImageError
// naming the source and the first entry that is missing, of the wrong kind
// or out of range.
AreaJsonContent readAreaJson(const JsonValue& document, const JsonSource& source, LayerRule layers);

// Replaces the header, the scrolling direction, the objects and the enemies
// of `model` with those of such a document; offsets and spare counts of the
// document are ignored. Throws as readAreaJson; `model` is then unchanged.
void applyAreaJson(const JsonValue& document, AreaModel& model, const std::string& fileName);

} // namespace quorled
