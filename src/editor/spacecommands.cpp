#include "spacecommands.h"

#include "core/session/editorcore.h"
#include "core/forms/spacetools.h"
#include "dialogs/fspacedialog.h"
#include "dialogs/movedialog.h"
#include "platform/lineprompt.h"
#include "platform/messages.h"

namespace quorled {

namespace {

void show(QWidget* window, const std::optional<Notice>& notice)
{
    if (!notice)
        return;
    const MessageIcon icon = notice->icon == NoticeIcon::Warning       ? MessageIcon::Warning
                             : notice->icon == NoticeIcon::Information ? MessageIcon::Information
                                                                       : MessageIcon::None;
    showMessage(window, QString::fromStdString(notice->text), QString::fromStdString(notice->title), icon);
}

QString ask(QWidget* window, const std::string& title, const std::string& prompt, const std::string& proposed)
{
    return LinePrompt::ask(window, QString::fromStdString(title), QString::fromStdString(prompt),
                           QString::fromStdString(proposed), QObject::tr("Level dumps (*.qlv)"));
}

} // namespace

bool runSpaceCommand(QWidget* window, EditorCore& core, Command command, std::optional<QString>& failureTitle)
{
    if (!core.commandEnabled(command) || !core.hasImage())
        return command == Command::TFSpace || command == Command::movL || command == Command::movZ ||
               command == Command::LvlDump || command == Command::LvlInsert;
    SpaceTools tools(core);
    switch (command) {
    case Command::TFSpace: {
        const FreeSpaceView view = tools.freeSpace();
        if (!view.error.empty()) {
            showMessage(window, QString::fromStdString(view.error), QObject::tr("Total free space"),
                        MessageIcon::Warning);
            return true;
        }
        FSpaceDialog dialog(view, window);
        dialog.exec();
        return true;
    }
    case Command::movL: {
        Move1Dialog dialog(tools, window);
        dialog.exec();
        return true;
    }
    case Command::movZ: {
        Move2Dialog dialog(tools, window);
        dialog.exec();
        return true;
    }
    case Command::LvlDump: {
        const QString answer =
            ask(window, SpaceTools::dumpTitle(), SpaceTools::dumpPrompt(), tools.proposedDumpName());
        show(window, tools.dump(answer.toStdString()).notice);
        return true;
    }
    case Command::LvlInsert: {
        const QString answer =
            ask(window, SpaceTools::insertTitle(), SpaceTools::insertPrompt(), tools.proposedDumpName());
        failureTitle = QString::fromStdString(SpaceTools::insertErrorTitle());
        const SpaceOutcome outcome = tools.insert(answer.toStdString());
        failureTitle.reset();
        show(window, outcome.notice);
        return true;
    }
    default:
        return false;
    }
}

} // namespace quorled
