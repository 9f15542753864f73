#include "gametabledialogs.h"

#include "carriedart.h"

#include "core/session/editorcore.h"
#include "dialogs/bytetabledialog.h"
#include "dialogs/chlworlddialog.h"
#include "dialogs/chngpaldialog.h"
#include "dialogs/chrchngdialog.h"
#include "platform/messages.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"

#include <functional>

namespace quorled {

namespace {

// The palette and levels-per-world dialogs keep the core's tables in step
// themselves; each refuses to open on a file too short for its table.
template <typename Dialog>
void runTableEditor(EditorCore& core, const QString& title, QWidget* parent)
{
    if (const auto refusal = Dialog::refusal(core)) {
        showMessage(parent, *refusal, title, MessageIcon::Warning);
        return;
    }
    Dialog dialog(core, parent);
    dialog.exec();
}

// The other dialogs read their bytes from the image as last read or written.
void runOnImage(EditorCore& core, const QString& title, QWidget* parent,
                const std::function<void(const RomImage&)>& open)
{
    try {
        open(core.document().image());
    } catch (const ImageError& error) {
        showMessage(parent, QString::fromStdString(error.what()), title, MessageIcon::Warning);
    }
}

} // namespace

void editPalettes(EditorCore& core, QWidget* parent)
{
    runTableEditor<ChngPalDialog>(core, QObject::tr("Edit level colors"), parent);
}

void editLevelsPerWorld(EditorCore& core, QWidget* parent)
{
    runTableEditor<ChLWorldDialog>(core, QObject::tr("Change number of levels in worlds"), parent);
}

void editCharacters(EditorCore& core, QWidget* parent)
{
    runOnImage(core, QObject::tr("Edit character properties"), parent, [&](const RomImage& image) {
        ChrChngDialog dialog(core, CharacterForm(image, core.imageKind()), characterPicture(), parent);
        dialog.exec();
    });
}

void editByteTable(EditorCore& core, ByteTableId table, QWidget* parent)
{
    const std::string_view caption = byteTable(table).caption;
    runOnImage(core, QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), parent,
               [&](const RomImage& image) {
                   ByteTableDialog dialog(core, ByteTableForm(image, table), parent);
                   dialog.exec();
               });
}

} // namespace quorled
