#include "objectencoder.h"
#include "objectstreamwriter.h"

#include "bytes.h"
#include "levelformat.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <map>
#include <utility>

namespace quorled {

namespace {

int lastRowOfPage(int row) { return (row / kRowsPerPage) * kRowsPerPage + 14; }

// Moves special objects behind the normal objects of their page. A layer
// switch goes behind every object of its layer: left at the end of its own
// page, objects of its layer on later pages would be written after it and
// come back in the next layer.
void moveSpecialObjectsToPageEnds(std::vector<LevelObject>& objects)
{
    // Every special object but a pointer moves to the last row of its page,
    // and in the same pass the lowest row of each layer is found, once: an
    // area may hold thousands of layer switches. Moving a switch to the end
    // of the page of that row never moves the lowest row past that page, so
    // later switches of the layer go to the same row.
    // Decoded layers count up from 0, so a table by layer number does;
    // other numbers go to a map.
    const auto small = [&](int layer) { return layer >= 0 && layer <= static_cast<int>(objects.size()); };
    std::vector<int> lowestSmall(objects.size() + 1, std::numeric_limits<int>::min());
    std::map<int, int> lowestOther;
    const auto other = [&](int layer) -> int& {
        return lowestOther.try_emplace(layer, std::numeric_limits<int>::min()).first->second;
    };
    for (LevelObject& object : objects) {
        if (object.special && object.kind() != kKindPointer)
            object.y = lastRowOfPage(object.y);
        const int layer = object.layer;
        int& row = small(layer) ? lowestSmall[static_cast<std::size_t>(layer)] : other(layer);
        row = std::max(row, object.y);
    }
    for (LevelObject& object : objects) {
        const int layer = object.layer;
        if (object.special && object.kind() == kKindNextLayer)
            object.y = lastRowOfPage(small(layer) ? lowestSmall[static_cast<std::size_t>(layer)] : other(layer));
    }
}

} // namespace

void foldObjectColumns(AreaModel& model)
{
    for (LevelObject& object : model.objects) {
        if (!model.isVertical)
            object.y = object.y + (object.x / 16) * kRowsPerPage;
        object.x = object.x & 15;
    }
}

void sortObjects(AreaModel& model, bool writing)
{
    std::vector<LevelObject>& objects = model.objects;
    if (writing)
        moveSpecialObjectsToPageEnds(objects);
    // A stable sort by row inside every run of objects of one layer (what
    // adjacent exchanges of same-layer neighbours until none is left give:
    // no object passes one of another layer).
    const auto byRow = [](const LevelObject& a, const LevelObject& b) { return a.y < b.y; };
    // The runs before the first neighbouring pair of one layer out of order
    // are in order already (most models are wholly): the sorting starts at
    // the run of that pair.
    const auto outOfOrder = [](const LevelObject& a, const LevelObject& b) { return a.layer == b.layer && b.y < a.y; };
    const auto first = std::adjacent_find(objects.begin(), objects.end(), outOfOrder);
    if (first == objects.end())
        return;
    auto from = first;
    while (from != objects.begin() && std::prev(from)->layer == first->layer)
        --from;
    for (auto run = from; run != objects.end();) {
        const int layer = run->layer;
        const auto end = std::find_if(run, objects.end(), [layer](const LevelObject& o) { return o.layer != layer; });
        if (!std::is_sorted(run, end, byRow)) // most runs are; a sort would still take a buffer
            std::stable_sort(run, end, byRow);
        run = end;
    }
}

std::optional<std::string> repairRowSteps(std::vector<LevelObject>& objects)
{
    // A stream without objects still starts with one: the loader reads the
    // first object whatever it is, so the end marker alone would be read as
    // a kind-15 object followed by whatever comes next.
    if (objects.empty()) {
        LevelObject end;
        end.special = true;
        end.type = kSpecialObjectType;
        end.x = kKindEnd;
        objects.push_back(end);
    }
    // The objects with the page skips they need, built anew from the first
    // skip on (inserting each skip in place would move every object after
    // it); a list that needs none stays as it is, not copied.
    std::vector<LevelObject> repaired;
    bool rebuilt = false;
    const auto keep = [&](const LevelObject& object) {
        if (rebuilt)
            repaired.push_back(object);
    };
    // On a refusal the objects are left as the repair had them so far.
    const auto refuse = [&](std::size_t i, std::string problem) {
        if (rebuilt) {
            repaired.insert(repaired.end(), objects.begin() + static_cast<std::ptrdiff_t>(i), objects.end());
            objects = std::move(repaired);
        }
        return std::optional<std::string>(std::move(problem));
    };
    int row = 0;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const LevelObject object = objects[i];
        const int kind = object.kind();
        if (object.special && kind == kKindEnd && i > 0)
            return refuse(i, "A special object of kind 15 stands where it would end the level data (object " +
                                 std::to_string((rebuilt ? repaired.size() : i) + 1) +
                                 " in stream order); only the first object can be one. Delete it and save again.");
        if (object.special && (kind == kKindNextLayer || kind == kKindEnd)) {
            row = kind == kKindNextLayer ? 0 : row;
            keep(object);
            continue;
        }
        // A normal object must lie at most 14 rows below the running row; a
        // special object takes the running row, which must be on its page.
        const int page = object.y / kRowsPerPage;
        const bool reachable = object.special ? page >= row / kRowsPerPage : object.y >= row;
        if (!reachable)
            return refuse(i, "The " + (object.special ? "special object of kind " + std::to_string(kind)
                                                       : "object of type " + hex2(object.type & 0xFF)) +
                                 " on page " + std::to_string(page) + ", column " + std::to_string(object.x & 15) +
                                 ", row " + std::to_string(object.y % kRowsPerPage) +
                                 " lies above the row that the page-skip object before it moves to. Move one of "
                                 "them and save again.");
        while (object.special ? row / kRowsPerPage < page : object.y - row > 14) {
            if (!rebuilt) {
                repaired.reserve(objects.size() + 16);
                repaired.assign(objects.begin(), objects.begin() + static_cast<std::ptrdiff_t>(i));
                rebuilt = true;
            }
            LevelObject skip;
            skip.special = true;
            skip.type = kSpecialObjectType;
            skip.x = page - row / kRowsPerPage >= 2 ? kKindSkipTwoPages : kKindSkipOnePage;
            skip.y = row;
            skip.layer = object.layer;
            repaired.push_back(skip);
            row = rowAfterSkip(row, skip.kind());
        }
        keep(object);
        row = object.special ? rowAfterSkip(row, kind) : object.y;
    }
    if (rebuilt)
        objects = std::move(repaired);
    return std::nullopt;
}

std::vector<std::uint8_t> encodeLevelData(const AreaModel& model)
{
    std::vector<std::uint8_t> out;
    // No object takes more than three bytes.
    out.reserve(5 + 3 * model.objects.size());
    for (int b : model.header.bytes())
        out.push_back(static_cast<std::uint8_t>(b));
    ObjectStreamWriter writer(out);
    for (const LevelObject& object : model.objects)
        writer.add(object);
    out.push_back(0xFF);
    return out;
}

} // namespace quorled
