#pragma once

#include "romdata/areadirectory.h"
#include "romdata/areamodel.h"
#include "romdata/imagekind.h"
#include "romdata/palettetables.h"
#include "romdata/romimage.h"
#include "view/graphics.h"
#include "view/viewstate.h"

#include <string>

namespace quorled::bench {

// A busy spot of the demo image: an area and the view position on its
// fullest page.
struct BusySpot {
    int area = 0;
    int objectsInView = 0;
    int enemiesInView = 0;
    ViewState view;
};

// The iNES demo image written to a fresh temporary folder, read the way the
// editor reads it, with the real artwork loaded and the busiest horizontal
// and vertical areas picked out. Built once per run.
struct BenchImage {
    std::string folder;
    std::string path;
    ImageKind kind = ImageKind::Ines;
    RomImage image;
    AreaDirectory directory;
    PaletteTables palettes;
    GraphicsModel graphics;
    BusySpot horizontal;
    BusySpot vertical;

    static const BenchImage& instance();
    // A file name in the run's temporary folder.
    std::string file(const std::string& name) const { return folder + "/" + name; }
};

// The view options every drawing benchmark uses: ground above objects,
// page separators and marks on.
ViewState busyViewOptions();

// Stops the run with a message on standard error and exit code 1.
[[noreturn]] void fail(const std::string& message);

} // namespace quorled::bench
