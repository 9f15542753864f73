#include "openchecks.h"

#include "core/session/editorcore.h"
#include "platform/messages.h"
#include "romdata/areadamage.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"

#include <QObject>

namespace quorled::openchecks {

bool confirmForeignFile(QWidget* parent, const std::string& path, const QString& title)
{
    const ImageKind kind = imageKindFromFileName(path);
    std::optional<std::string> problem;
    try {
        problem = foreignImageProblem(path, RomImage::open(path, maximumImageLength(kind)).bytes(), kind);
    } catch (const ImageError&) {
        return true; // the opening reports it
    }
    if (!problem)
        return true;
    const QString text = QString::fromStdString(*problem) +
                         QObject::tr("\nOpen it for viewing only? Nothing will be written to it.");
    return askToProceed(parent, text, title, QObject::tr("Open for viewing"));
}

void reportDamagedAreas(QWidget* parent, const EditorCore& core, const QString& title)
{
    const int damaged = damagedAreaCount(core.document().image(), core.directory(), core.imageKind());
    if (const auto note = manyDamagedAreasNote(core.romFileName(), damaged))
        showMessage(parent, QString::fromStdString(*note), title, MessageIcon::Warning);
}

} // namespace quorled::openchecks
