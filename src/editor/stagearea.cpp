#include "stagearea.h"

#include "workarea.h"

#include <QKeyEvent>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace quorled {

namespace {

// Keys go on to the window, which hands them to the editor: the stage must
// not take the arrows and page keys for scrolling itself.
class StageScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

protected:
    void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
};

} // namespace

QScrollArea* makeStageArea(QWidget* view, QWidget* parent)
{
    auto* stage = new QWidget;
    stage->setObjectName(QStringLiteral("stage"));
    auto* layout = new QVBoxLayout(stage);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(view, 0, Qt::AlignCenter);
    auto* area = new StageScrollArea(parent);
    area->setFocusPolicy(Qt::NoFocus);
    area->setObjectName(QStringLiteral("stageArea"));
    area->setWidget(stage);
    area->setWidgetResizable(true);
    QPalette dark = area->palette();
    dark.setColor(QPalette::Window, QColor(0x20, 0x22, 0x26));
    area->viewport()->setPalette(dark);
    area->viewport()->setAutoFillBackground(true);
    stage->setPalette(dark);
    return area;
}

void fitWindowToWork(QMainWindow& window, const WorkArea& work, int zoom)
{
    if (window.isMaximized() || window.isFullScreen())
        return;
    const QSize frame = window.frameGeometry().size() - window.size();
    const QSize room = window.screen()->availableGeometry().size() - frame;
    // The menu bar, the status bar and the docks around the work area, at
    // their natural sizes (the present ones may not be settled yet).
    const QSize around = (window.sizeHint() - work.sizeHint()).expandedTo(window.size() - work.size());
    const QSize beside = work.neededSize(zoom, PanelPlace::Beside) + around;
    const QSize below = work.neededSize(zoom, PanelPlace::Below) + around;
    QSize size = room;
    if (beside.width() <= room.width() && beside.height() <= room.height())
        size = beside;
    else if (below.width() <= room.width() && below.height() <= room.height())
        size = below;
    window.resize(size);
    // A window that now reaches past the screen's edge moves back onto it.
    const QRect screen = window.screen()->availableGeometry();
    QRect placed(window.frameGeometry().topLeft(), size + frame);
    if (!screen.contains(placed)) {
        placed.moveRight(std::min(placed.right(), screen.right()));
        placed.moveBottom(std::min(placed.bottom(), screen.bottom()));
        placed.moveLeft(std::max(placed.left(), screen.left()));
        placed.moveTop(std::max(placed.top(), screen.top()));
        window.move(placed.topLeft());
    }
}

} // namespace quorled
