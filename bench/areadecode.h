#pragma once

// The editor's area load (directory and decode) over any byte source: the
// same decoding templates src/romdata's loadArea runs, so the byte-per-call
// baseline takes exactly the same steps. main.cpp checks that both give the
// same directory and model on every demo area.

#include "romdata/areadecoding.h"
#include "romdata/arealoader.h"

namespace quorled::bench {

// buildAreaDirectory for images with pointer tables.
template <class Reader>
AreaDirectory decodeDirectory(const Reader& image, ImageKind kind)
{
    AreaDirectory directory;
    decoding::readDirectoryTables(image, romLayout(kind), directory);
    directory.areaEnemyOffset[kAreaCount] = 0;
    return directory;
}

// loadArea over any reader.
template <class Reader>
AreaModel decodeArea(const Reader& image, const AreaDirectory& directory, ImageKind kind, int area)
{
    return decoding::decodeArea(image, directory, decodeBoundsFor(directory, kind, area), area);
}

} // namespace quorled::bench
