// quorled-draw-sprites OUTDIR [PREVIEWDIR]: draws the enemy sprite sheets, their
// mask and the character sprite picture into OUTDIR, and the enemy preview into
// PREVIEWDIR when it is given.

#include "characterpicture.h"
#include "enemysheets.h"
#include "spritepreview.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <string>

namespace {

bool save(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "quorled-draw-sprites: cannot write %s.\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: quorled-draw-sprites OUTDIR [PREVIEWDIR]\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "quorled-draw-sprites: cannot create the folder %s.\n", argv[1]);
        return 1;
    }

    using namespace quorled::art;
    const EnemySheets sheets = drawEnemySheets();
    const std::string fault = checkEnemySheets(sheets);
    if (!fault.empty()) {
        std::fprintf(stderr, "quorled-draw-sprites: %s Nothing was written.\n", fault.c_str());
        return 1;
    }
    bool ok = true;
    for (int set = 0; set < 4; ++set)
        ok = save(sheets.sheets[static_cast<std::size_t>(set)],
                  out.filePath(QStringLiteral("enemies%1.png").arg(set))) && ok;
    ok = save(sheets.mask, out.filePath(QStringLiteral("enemymask.png"))) && ok;
    const QImage characters = drawCharacterPicture();
    ok = save(characters, out.filePath(QStringLiteral("characters.png"))) && ok;

    if (argc == 3) {
        const QDir previews(QString::fromLocal8Bit(argv[2]));
        QDir().mkpath(previews.path());
        ok = save(drawEnemyPreview(sheets), previews.filePath(QStringLiteral("preview-enemies.png"))) && ok;
        ok = save(enlarged(characters, 4), previews.filePath(QStringLiteral("preview-characters.png"))) && ok;
    }
    return ok ? 0 : 1;
}
