#include "workbenchcommands.h"

#include "areamapwindow.h"
#include "filecommands.h"
#include "levelview.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "shortcutcommands.h"

#include "core/session/clipboardcommands.h"
#include "core/session/editorcore.h"
#include "romdata/filestore.h"

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>

namespace quorled {

WorkbenchCommands::WorkbenchCommands(EditorCore& core, MainWindow& window, const QString& settingsPath)
    : QObject(&window), core_(core), window_(window),
      files_(new FileCommands(core, window, window.mainMenu()->recentMenu(), settingsPath)),
      shortcuts_(std::make_unique<ShortcutCommands>(*window.mainMenu(), settingsPath))
{
}

WorkbenchCommands::~WorkbenchCommands() = default;

// The system clipboard: items go between areas and between editors.
void WorkbenchCommands::paste()
{
    // Onto the cell under the pointer when it is over the view. A refusal
    // comes as the core's notice.
    std::optional<AreaCell> cell;
    const LevelView* view = window_.levelView();
    const QPoint local = view->mapFromGlobal(QCursor::pos());
    if (view->rect().contains(local)) {
        const QPointF p = view->picturePosition(QPointF(local));
        if (p.x() >= 0 && p.y() >= 0 && p.x() < LevelView::kPictureWidth && p.y() < LevelView::kPictureHeight)
            cell = AreaCell{core_.view().viewColumn + static_cast<int>(p.x()) / 16,
                            core_.view().viewRow + static_cast<int>(p.y()) / 16};
    }
    ClipboardCommands::paste(core_, QGuiApplication::clipboard()->text().toStdString(), cell);
}

void WorkbenchCommands::toClipboard(bool cut)
{
    const auto text = cut ? ClipboardCommands::cut(core_) : ClipboardCommands::copy(core_);
    if (text)
        QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
}

void WorkbenchCommands::showMap()
{
    if (!map_)
        map_ = new AreaMapWindow(core_, &window_);
    map_->refresh(true);
    map_->show();
    map_->raise();
    map_->activateWindow();
}

void WorkbenchCommands::showChanges(ChangeSet changes)
{
    if (map_ && map_->isVisible() &&
        (changes.has(Change::Picture) || changes.has(Change::Caption) || changes.has(Change::Readouts)))
        map_->refresh(changes.has(Change::Caption));
    if (changes.has(Change::Commands) || changes.has(Change::Caption))
        explainSave();
}

void WorkbenchCommands::explainSave()
{
    const bool readOnly = core_.hasImage() && isReadOnlyFile(core_.romFileName());
    const QString tip = readOnly ? tr("The image is read-only, so Save is off; \"Save image as...\" writes the "
                                      "image with this area's edits to a new file and goes on with it.")
                                 : QString();
    window_.button(Command::lsave)->setToolTip(tip);
    window_.mainMenu()->action(Command::lsave)->setToolTip(tip.isEmpty() ? tr("Save") : tip);
}

} // namespace quorled
