#include "gameviews.h"

#include "finddialog.h"
#include "mainwindow.h"
#include "overviewwindow.h"
#include "problemsdock.h"
#include "propertiesdock.h"
#include "levelview.h"
#include "readoutpanel.h"
#include "workbench.h"

#include "core/session/areajump.h"
#include "core/workbench/doorlinks.h"
#include "core/session/editorcore.h"
#include "core/session/editorgameareas.h"
#include "view/readouts.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace quorled {

namespace {

QMenu* menuNamed(QMainWindow& window, const QString& name)
{
    return window.menuBar()->findChild<QMenu*>(name);
}

} // namespace

GameViews::GameViews(EditorCore& core, MainWindow& window)
    : QObject(&window), core_(core), window_(window), source_(std::make_unique<EditorGameAreas>(core))
{
    if (QMenu* levels = menuNamed(window_, QStringLiteral("Levels"))) {
        // After "Area map", with the other ways between areas.
        QAction* before = levels->actions().size() > 2 ? levels->actions().at(2) : nullptr;
        go_ = new QAction(tr("&Go to destination"), levels);
        go_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
        back_ = new QAction(tr("&Back"), levels);
        back_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
        levels->insertAction(before, go_);
        levels->insertAction(before, back_);
        connect(go_, &QAction::triggered, this, &GameViews::goToDestination);
        connect(back_, &QAction::triggered, this, &GameViews::goBack);
    }
    if (QMenu* edit = menuNamed(window_, QStringLiteral("Edit"))) {
        edit->addSeparator();
        findAction_ = edit->addAction(tr("&Find..."));
        findAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
        connect(findAction_, &QAction::triggered, this, &GameViews::showFind);
    }
    problems_ = new ProblemsDock(*source_, &window_);
    window_.addDockWidget(Qt::BottomDockWidgetArea, problems_);
    problems_->hide();
    connect(problems_, &ProblemsDock::problemChosen, this, &GameViews::showItem);
    if (QMenu* windows = window_.workbench()->menu()) {
        windows->addSeparator();
        overviewAction_ = windows->addAction(tr("&Game overview"));
        overviewAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
        connect(overviewAction_, &QAction::triggered, this, &GameViews::showOverview);
        QAction* showProblems = problems_->toggleViewAction();
        showProblems->setText(tr("P&roblems"));
        windows->addAction(showProblems);
    }
    // The Properties dock says where a selected door's pointer leads.
    if (PropertiesDock* properties = window_.workbench()->properties())
        if (auto* layout = qobject_cast<QBoxLayout*>(properties->widget()->layout())) {
            propertiesLink_ = new QLabel(properties->widget());
            propertiesLink_->setObjectName(QStringLiteral("propertiesLink"));
            propertiesLink_->setWordWrap(true);
            layout->insertWidget(layout->count() - 1, propertiesLink_);
        }
    for (QAction* action : {go_, back_, findAction_, overviewAction_})
        if (action)
            action->setShortcutContext(Qt::ApplicationShortcut);
    follow(ChangeSet(Change::Caption));
}

GameViews::~GameViews()
{
    // The views listen to the source: they go first.
    delete overview_;
    delete find_;
    delete problems_;
}

void GameViews::setComparedAreas(std::string imagePath, std::vector<int> areas)
{
    comparedImage_ = std::move(imagePath);
    comparedAreas_ = std::move(areas);
    if (overview_)
        overview_->setComparedAreas(comparedAreasNow());
}

std::vector<int> GameViews::comparedAreasNow() const
{
    return core_.romFileName() == comparedImage_ ? comparedAreas_ : std::vector<int>{};
}

void GameViews::follow(ChangeSet changes)
{
    source_->follow(changes);
    if (overview_)
        overview_->setComparedAreas(comparedAreasNow());
    if (changes.has(Change::Readouts) || changes.has(Change::Picture) || changes.has(Change::EditMode))
        showLink();
}

// The read-out of a door or pointer says where it leads, and only then can
// the user go there.
void GameViews::showLink()
{
    const bool objects = core_.editMode() == 0;
    const auto link = core_.hasImage() && objects ? linkOfObject(core_.area(), core_.area().selectedObject)
                                                  : std::nullopt;
    if (go_)
        go_->setEnabled(link.has_value());
    if (back_)
        back_->setEnabled(!backStack_.empty());
    const QString destination =
        link ? QString::fromStdString(destinationText(link->to, core_.directory())) : QString();
    if (propertiesLink_)
        propertiesLink_->setText(destination);
    if (!link)
        return;
    const QString text = QString::fromStdString(core_.readouts().objectName) + QStringLiteral("\n") +
                         QString::fromStdString(destinationText(link->to, core_.directory()));
    if (QLabel* name = window_.readoutPanel()->label(3))
        name->setText(text);
}

bool GameViews::openArea(int area)
{
    if (area == core_.currentArea())
        return true;
    // The edits of the area left stay in the document.
    if (const auto problem = jumpToArea(core_, area)) {
        QMessageBox::warning(&window_, tr("Quorl editor"), QString::fromStdString(*problem));
        return false;
    }
    return core_.currentArea() == area;
}

void GameViews::showItem(int area, ProblemItem item, int index)
{
    if (!openArea(area))
        return;
    AreaModel& model = core_.area();
    ViewState& view = core_.view();
    if (item == ProblemItem::Object && index >= 1 && index <= model.objCount()) {
        view.editMode = 0;
        model.selectedObject = index;
        followSelectedObject(model, view);
    } else if (item == ProblemItem::Enemy && index >= 1 && index <= model.enemyCount()) {
        view.editMode = 1;
        model.selectedEnemy = index;
        followSelectedEnemy(model, view);
    }
    core_.redraw(Change::Readouts | Change::EditMode);
    // The keys move the item at once.
    window_.activateWindow();
    window_.levelView()->setFocus();
}

void GameViews::goToDestination()
{
    if (!core_.hasImage())
        return;
    const auto link = linkOfObject(core_.area(), core_.area().selectedObject);
    if (!link)
        return;
    if (!link->to.areaExists()) {
        QMessageBox::warning(&window_, tr("Go to destination"),
                             tr("This pointer leads to level %1, slot %2, which is no area of the game.")
                                 .arg(link->to.level)
                                 .arg(link->to.slot));
        return;
    }
    const Place from{core_.currentArea(), core_.view().viewColumn, core_.view().viewRow};
    if (!openArea(link->to.area()))
        return;
    backStack_.push_back(from);
    ViewState& view = core_.view();
    if (core_.area().isVertical) {
        view.viewColumn = 0;
        view.viewRow = 15 * link->to.page;
    } else {
        view.viewColumn = 16 * link->to.page;
        view.viewRow = 0;
    }
    core_.redraw(Change::Readouts);
}

void GameViews::goBack()
{
    if (backStack_.empty())
        return;
    const Place to = backStack_.back();
    if (!openArea(to.area))
        return;
    backStack_.pop_back();
    core_.view().viewColumn = to.viewColumn;
    core_.view().viewRow = to.viewRow;
    core_.redraw(Change::Readouts);
}

void GameViews::showOverview()
{
    if (!overview_) {
        overview_ = new OverviewWindow(*source_, &window_);
        connect(overview_, &OverviewWindow::areaChosen, this,
                [this](int area) { showItem(area, ProblemItem::None, 0); });
    }
    overview_->setComparedAreas(comparedAreasNow());
    overview_->show();
    overview_->raise();
    overview_->activateWindow();
}

void GameViews::showFind()
{
    if (!find_) {
        find_ = new FindDialog(*source_, &window_);
        connect(find_, &FindDialog::itemChosen, this, &GameViews::showItem);
    }
    find_->show();
    find_->raise();
    find_->activateWindow();
    find_->query()->setFocus();
    find_->query()->selectAll();
}

} // namespace quorled
