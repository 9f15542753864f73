#include "stagearea.h"

#include "core/windowplacement.h"

#include <QKeyEvent>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

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

void fitWindowToStage(QMainWindow& window, const QScrollArea& stage)
{
    if (window.isMaximized() || window.isFullScreen())
        return;
    const QSize frame = window.frameGeometry().size() - window.size();
    const QSize room = window.screen()->availableGeometry().size() - frame;
    const QSize content = stage.widget()->minimumSizeHint();
    // The viewport as it would be without scroll bars, which go once it fits.
    const QSize viewport = stage.maximumViewportSize();
    const PixelSize fitted = fittedWindowSize({window.width(), window.height()}, {viewport.width(), viewport.height()},
                                              {content.width(), content.height()}, {room.width(), room.height()});
    window.resize(fitted.width, fitted.height);
}

} // namespace quorled
