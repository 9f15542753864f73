#include "workarea.h"

#include "levelview.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QScrollArea>

#include <algorithm>

namespace quorled {

WorkArea::WorkArea(QScrollArea* stage, LevelView* view, QWidget* readouts, QWidget* header, QWidget* buttons,
                   QWidget* parent)
    : QWidget(parent), stage_(stage), view_(view), readouts_(readouts), header_(header), buttons_(buttons)
{
    setObjectName(QStringLiteral("workArea"));
    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("sidePanel"));
    panelLayout_ = new QGridLayout(panel_);
    panelLayout_->setContentsMargins(0, 0, 0, 0);
    panelLayout_->setSpacing(kSpacing);
    for (QWidget* part : {readouts_, header_, buttons_})
        part->setParent(panel_);

    layout_ = new QBoxLayout(QBoxLayout::LeftToRight, this);
    layout_->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout_->setSpacing(kSpacing);
    layout_->addWidget(stage_, 1);
    layout_->addWidget(panel_, 0);
    place_ = PanelPlace::Below; // so that the first placing lays the panel out
    placePanel(PanelPlace::Beside);
}

PixelSize WorkArea::stageFrame() const
{
    // The stage's margins around the view and the scroll area's border.
    const QSize content = stage_->widget()->minimumSizeHint() - view_->size();
    const int border = 2 * stage_->frameWidth();
    return {content.width() + border, content.height() + border};
}

PixelSize WorkArea::besideSize() const
{
    const QSize r = readouts_->sizeHint();
    const QSize h = header_->sizeHint();
    const QSize b = buttons_->sizeHint();
    return {std::max({r.width(), h.width(), b.width()}), r.height() + h.height() + b.height() + 2 * kSpacing};
}

PixelSize WorkArea::belowSize() const
{
    const QSize r = readouts_->sizeHint();
    const QSize h = header_->sizeHint();
    const QSize b = buttons_->sizeHint();
    return {std::max(r.width(), b.width()) + kSpacing + h.width(),
            std::max(r.height() + kSpacing + b.height(), h.height())};
}

PixelSize WorkArea::room() const
{
    return {width() - 2 * kMargin, height() - 2 * kMargin};
}

QSize WorkArea::neededSize(int zoom, PanelPlace place) const
{
    const PixelSize stage = stageNeed(zoom, stageFrame());
    QSize need;
    if (place == PanelPlace::Beside) {
        const PixelSize panel = besideSize();
        need = QSize(stage.width + kSpacing + panel.width, std::max(stage.height, panel.height));
    } else {
        const PixelSize panel = belowSize();
        need = QSize(std::max(stage.width, panel.width), stage.height + kSpacing + panel.height);
    }
    return need + QSize(2 * kMargin, 2 * kMargin);
}

int WorkArea::fittingZoom() const
{
    return quorled::fittingZoom(room(), stageFrame(), besideSize(), belowSize(), kSpacing);
}

void WorkArea::setFitting(bool on)
{
    fitting_ = on;
    if (fitting_ && fittingZoom() != view_->zoom())
        emit fittingZoomChanged(fittingZoom());
    arrange();
}

void WorkArea::arrange()
{
    const PixelSize stage = stageNeed(view_->zoom(), stageFrame());
    placePanel(panelPlace(room(), stage, besideSize(), belowSize(), kSpacing));
}

void WorkArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (fitting_) {
        const int zoom = fittingZoom();
        if (zoom != view_->zoom())
            emit fittingZoomChanged(zoom);
    }
    arrange();
}

void WorkArea::placePanel(PanelPlace place)
{
    if (place == place_)
        return;
    place_ = place;
    for (QWidget* part : {readouts_, header_, buttons_})
        panelLayout_->removeWidget(part);
    for (int row = 0; row < 4; ++row)
        panelLayout_->setRowStretch(row, 0);
    if (place == PanelPlace::Beside) {
        // One column: read-outs, header, room, buttons at the foot.
        panelLayout_->addWidget(readouts_, 0, 0);
        panelLayout_->addWidget(header_, 1, 0);
        panelLayout_->addWidget(buttons_, 3, 0);
        panelLayout_->setRowStretch(2, 1);
        panel_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        layout_->setDirection(QBoxLayout::LeftToRight);
        layout_->setAlignment(panel_, {});
    } else {
        // Under the view: read-outs over the buttons, the header beside them.
        panelLayout_->addWidget(readouts_, 0, 0);
        panelLayout_->addWidget(buttons_, 2, 0);
        panelLayout_->addWidget(header_, 0, 1, 3, 1);
        panelLayout_->setRowStretch(1, 1);
        panel_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        layout_->setDirection(QBoxLayout::TopToBottom);
        layout_->setAlignment(panel_, Qt::AlignLeft);
    }
}

} // namespace quorled
