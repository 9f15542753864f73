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

#include <optional>

namespace quorled {

namespace {

std::optional<ByteTableId> byteTableOf(Command command)
{
    switch (command) {
    case Command::ChWpn: return ByteTableId::ChrEnemy;
    case Command::ChEnm2: return ByteTableId::ChrEnemy2;
    case Command::ChEnm3: return ByteTableId::ChrEnemy3;
    case Command::ChPwrUp: return ByteTableId::ChrPwrUp;
    case Command::ChTcdt: return ByteTableId::TitleC;
    case Command::nlive: return ByteTableId::Nlives;
    default: return std::nullopt;
    }
}

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

} // namespace

bool runGameTableDialog(EditorCore& core, Command command, QWidget* parent)
{
    if (command == Command::Chcolor || command == Command::ChLvlWrl) {
        if (!core.commandEnabled(command))
            return true;
        if (command == Command::Chcolor)
            runTableEditor<ChngPalDialog>(core, QObject::tr("Edit level colors"), parent);
        else
            runTableEditor<ChLWorldDialog>(core, QObject::tr("Change number of levels in worlds"), parent);
        return true;
    }
    const std::optional<ByteTableId> table = byteTableOf(command);
    if (!table && command != Command::ChChp)
        return false;
    if (!core.commandEnabled(command))
        return true;
    const QString title = table ? QString::fromUtf8(byteTable(*table).caption.data(),
                                                    static_cast<qsizetype>(byteTable(*table).caption.size()))
                                : QObject::tr("Edit character properties");
    try {
        const RomImage image = RomImage::openChecked(core.romFileName(), core.imageKind());
        if (table) {
            ByteTableDialog dialog(core, ByteTableForm(image, *table), parent);
            dialog.exec();
        } else {
            ChrChngDialog dialog(core, CharacterForm(image, core.imageKind()), characterPicture(), parent);
            dialog.exec();
        }
    } catch (const ImageError& error) {
        showMessage(parent, QString::fromStdString(error.what()), title, MessageIcon::Warning);
    }
    return true;
}

} // namespace quorled
