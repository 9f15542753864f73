// quorled-draw-scenery OUTDIR [DOCSDIR]: writes the scenery sheets, the label
// sheet, the master palette picture and the splash picture into OUTDIR, and
// when DOCSDIR is given the tile-usage table and the preview picture there.

#include "scenerysheets.h"

#include <QImage>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool save(const QImage& image, const std::string& path, const char* format, int quality = -1)
{
    if (!image.save(QString::fromStdString(path), format, quality)) {
        std::fprintf(stderr, "Could not write %s.\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace quorled::artwork;
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "Usage: quorled-draw-scenery OUTDIR [DOCSDIR]\n");
        return 2;
    }
    const std::string out = argv[1];
    bool ok = true;
    for (int sheet : kScenerySheets)
        ok = save(drawScenerySheet(sheet).toGreyImage(), out + "/scenery" + std::to_string(sheet) + ".png", "PNG") && ok;
    ok = save(drawWorksheetLabels(), out + "/worksheet-labels.png", "PNG") && ok;
    ok = save(drawMasterPalette(), out + "/masterpalette.png", "PNG") && ok;
    ok = save(drawSplash(), out + "/splash.jpg", "JPG", 92) && ok;
    if (argc == 3) {
        const std::string docs = argv[2];
        ok = save(drawSceneryPreview(), docs + "/preview-scenery.png", "PNG") && ok;
        std::ofstream usage(docs + "/tile-usage.md", std::ios::binary);
        usage << tileUsageMarkdown();
        if (!usage) {
            std::fprintf(stderr, "Could not write %s/tile-usage.md.\n", docs.c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
