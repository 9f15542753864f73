#include "desktopcommands.h"

#include "mainwindow.h"
#include "shownpath.h"

#include "core/session/editorcore.h"
#include "core/settings/patchoriginal.h"
#include "core/project/projectdiff.h"
#include "romdata/bytes.h"
#include "patch/patchfile.h"
#include "platform/lineprompt.h"
#include "platform/messages.h"
#include "romdata/imageerror.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>

namespace quorled {

namespace {

// Before a command that reads the image file: the changed areas are saved.
// With the unsaved-edit question on, the user may also keep the edits
// unsaved (the file is used as it is) or cancel; false then. With it off
// the area is saved without asking, as nothing is left behind.
bool saveFirst(MainWindow& window, EditorCore& core)
{
    if (!core.settings().askBeforeDiscarding && !core.document().changedAreas().empty()) {
        core.saveAllAreas();
        return core.document().changedAreas().empty();
    }
    return window.confirmUnsavedAreas();
}

} // namespace

// The original image is proposed as the one the last patch started from.
void exportPatch(MainWindow& window, EditorCore& core, const QString& settingsPath)
{
    if (!core.hasImage())
        return;
    const QString title = QObject::tr("Export patch");
    if (!saveFirst(window, core))
        return;
    const QString original = LinePrompt::ask(
        &window, title, QObject::tr("The original image the patch starts from:"),
        QString::fromStdString(lastPatchOriginal(settingsPath.toStdString())),
        QObject::tr("Images (*.nes *.smc *.sfc *.fig *.fds);;All files (*)"));
    if (original.isEmpty())
        return;
    const QFileInfo image(QString::fromStdString(core.romFileName()));
    const QString proposed = image.absoluteDir().filePath(image.completeBaseName() + QStringLiteral(".bps"));
    const QString patch = LinePrompt::ask(&window, title,
                                          QObject::tr("The patch to write; its name decides the format:"),
                                          proposed, QObject::tr("BPS patches (*.bps);;IPS patches (*.ips)"));
    if (patch.isEmpty())
        return;
    try {
        const std::size_t size = writePatchFile(original.toStdString(), core.romFileName(), patch.toStdString());
        // The patch is written either way; a name the settings file can't
        // keep is only told.
        QString note;
        try {
            rememberPatchOriginal(settingsPath.toStdString(), QFileInfo(original).absoluteFilePath().toStdString());
        } catch (const ImageError& error) {
            note = QStringLiteral(" ") + QString::fromStdString(error.what());
        }
        showMessage(&window, QObject::tr("Wrote the patch %1 (%2 bytes).").arg(shownPath(patch)).arg(size) + note, title);
    } catch (const ImageError& error) {
        showMessage(&window, QString::fromStdString(error.what()), title, MessageIcon::Warning);
    }
}

// Marks in "Select area" the areas whose header, objects or enemies differ
// from those of another image of the same kind.
void compareWithImage(MainWindow& window, EditorCore& core)
{
    if (!core.hasImage())
        return;
    const QString title = QObject::tr("Compare with image");
    if (!saveFirst(window, core))
        return;
    const QString other = LinePrompt::ask(&window, title, QObject::tr("The image to compare the open image with:"),
                                          QString(),
                                          QObject::tr("Images (*.nes *.smc *.sfc *.fig *.fds);;All files (*)"));
    if (other.isEmpty())
        return;
    try {
        const ImageKind kind = core.imageKind();
        if (imageKindFromFileName(other.toStdString()) != kind)
            throw ImageError(QObject::tr("%1 is not an image of the open image's kind (%2).")
                                 .arg(shownPath(other), QString::fromLatin1(imageKindName(kind)))
                                 .toStdString());
        const RomImage open = core.document().image();
        const RomImage compared = RomImage::openChecked(other.toStdString(), kind);
        // A disk image keeps no pointer tables: both read through the open
        // image's directory.
        const AreaDirectory otherDirectory =
            kind == ImageKind::Fds ? core.directory() : buildAreaDirectory(compared, kind);
        const std::vector<int> areas =
            differingAreas({open, kind, core.directory()}, {compared, kind, otherDirectory});
        window.setComparedAreas(core.romFileName(), areas);
        QStringList numbers;
        for (int area : areas)
            numbers << QString::fromStdString(hex2(area));
        showMessage(&window,
                    areas.empty() ? QObject::tr("Every area is the same in %1.").arg(shownPath(other))
                                  : QObject::tr("%1 of 210 areas differ from %2: %3.\nThey are marked \"(differs)\" "
                                                "in \"Select area\".")
                                        .arg(areas.size())
                                        .arg(shownPath(other), numbers.join(QStringLiteral(", "))),
                    title);
    } catch (const ImageError& error) {
        showMessage(&window, QString::fromStdString(error.what()), title, MessageIcon::Warning);
    }
}

} // namespace quorled
