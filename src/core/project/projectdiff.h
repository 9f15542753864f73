#pragma once

#include "core/project/areatext.h"
#include "core/project/tabletext.h"
#include "core/project/textproject.h"

#include <optional>
#include <string>
#include <vector>

namespace quorled {

// One side of a comparison: the areas' items and the tables' values, read
// from an image or from a project folder's text.
struct ProjectContent {
    std::vector<AreaItems> areas; // by area number
    std::vector<TableText> tables;
};

ProjectContent imageContent(const ProjectImage& image);
// The content a project's files describe, read strictly against the areas
// and table rows of `layout` (an image of the same kind). Throws
// ProjectTextError for bad text.
ProjectContent folderContent(const ProjectFiles& files, const ProjectImage& layout);

// A change of one object or enemy between the two sides. `before` and
// `after` are its fields as the area's text writes them ("1A 03 0C"),
// empty for an item added or removed; `index` counts from 1 in the side
// that has it (the second for added items).
struct ItemChange {
    std::string change; // added, removed, moved, retyped, changed
    std::string item;   // object, special, enemy
    int index = 0;
    std::string before;
    std::string after;
    std::string name;
};

struct HeaderChange {
    std::string field; // "music", "level palette", ..., "other bits"
    int before = 0;
    int after = 0;
};

struct AreaDiff {
    int area = 0;
    std::vector<HeaderChange> header;
    std::vector<ItemChange> items;
};

struct RowDiff {
    std::string table;
    std::string key;
    std::string caption;
    std::vector<int> before;
    std::vector<int> after;
};

// A run of bytes that differ, first and last offset.
struct ByteRun {
    long first = 0;
    long last = 0;
};

struct ProjectDiff {
    std::vector<AreaDiff> areas;
    std::vector<RowDiff> rows;
    // Bytes that differ outside every area's data, the pointer tables and
    // the game tables; only between two images of one size.
    std::vector<ByteRun> otherBytes;
    // Set when two images differ in size: "262160 and 262176 bytes".
    std::optional<std::string> sizes;
    bool empty() const { return areas.empty() && rows.empty() && otherBytes.empty() && !sizes; }
};

ProjectDiff diffContent(const ProjectContent& a, const ProjectContent& b);
// The same for two images, with the bytes outside what Quorled knows.
ProjectDiff diffImages(const ProjectImage& a, const ProjectImage& b);

// The areas whose header, objects or enemies differ between two images of
// one kind, ascending: what "Compare with image..." marks.
std::vector<int> differingAreas(const ProjectImage& a, const ProjectImage& b);

} // namespace quorled
