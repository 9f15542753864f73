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

void showTotalFreeSpace(QWidget* window, EditorCore& core)
{
    if (!core.hasImage())
        return;
    const FreeSpaceView view = SpaceTools(core).freeSpace();
    if (!view.error.empty()) {
        showMessage(window, QString::fromStdString(view.error), QObject::tr("Total free space"), MessageIcon::Warning);
        return;
    }
    FSpaceDialog dialog(view, window);
    dialog.exec();
}

void moveLevelData(QWidget* window, EditorCore& core)
{
    if (!core.hasImage())
        return;
    SpaceTools tools(core);
    Move1Dialog dialog(tools, window);
    dialog.exec();
}

void moveEnemyData(QWidget* window, EditorCore& core)
{
    if (!core.hasImage())
        return;
    SpaceTools tools(core);
    Move2Dialog dialog(tools, window);
    dialog.exec();
}

void dumpLevelData(QWidget* window, EditorCore& core)
{
    if (!core.hasImage())
        return;
    SpaceTools tools(core);
    const QString answer = ask(window, SpaceTools::dumpTitle(), SpaceTools::dumpPrompt(), tools.proposedDumpName());
    show(window, tools.dump(answer.toStdString()).notice);
}

void insertLevelData(QWidget* window, EditorCore& core, std::optional<QString>& failureTitle)
{
    if (!core.hasImage())
        return;
    SpaceTools tools(core);
    const QString answer = ask(window, SpaceTools::insertTitle(), SpaceTools::insertPrompt(), tools.proposedDumpName());
    failureTitle = QString::fromStdString(SpaceTools::insertErrorTitle());
    const SpaceOutcome outcome = tools.insert(answer.toStdString());
    failureTitle.reset();
    show(window, outcome.notice);
}

} // namespace quorled
