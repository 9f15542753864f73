#include "areamapwindow.h"

#include "carriedart.h"
#include "filechooser.h"

#include "assets/imageconversion.h"
#include "core/forms/areamapgeometry.h"
#include "core/session/editorcore.h"
#include "core/workbench/maplinks.h"
#include "core/session/outputtarget.h"
#include "platform/messages.h"
#include "romdata/imageerror.h"
#include "view/renderer.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quorled {

namespace {

// Whether two views draw the map alike: everything but the scroll position.
bool sameDrawing(const ViewState& a, const ViewState& b)
{
    return a.groundView == b.groundView && a.pageView == b.pageView && a.screenLineView == b.screenLineView &&
           a.objectMarks == b.objectMarks && a.showPointersAsObjects == b.showPointersAsObjects &&
           a.editMode == b.editMode;
}

} // namespace

AreaMapCanvas::AreaMapCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("mapCanvas"));
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void AreaMapCanvas::setMap(const QImage& map, const QRect& viewRect)
{
    const bool resized = map.size() != map_.size();
    map_ = map;
    viewRect_ = viewRect;
    if (resized) {
        setFixedSize(map_.size());
        updateGeometry();
    }
    update();
}

void AreaMapCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, map_);
    // Two outlines, so the rectangle shows on light and dark scenery.
    painter.setPen(QPen(QColor(0, 0, 0), 3));
    painter.drawRect(viewRect_.adjusted(1, 1, -2, -2));
    painter.setPen(QPen(QColor(255, 230, 60), 1));
    painter.drawRect(viewRect_.adjusted(1, 1, -2, -2));
}

void AreaMapCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit pointed(int(event->position().x()), int(event->position().y()));
}

void AreaMapCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        emit pointed(int(event->position().x()), int(event->position().y()));
    else
        emit hovered(int(event->position().x()), int(event->position().y()));
}

void AreaMapCanvas::leaveEvent(QEvent*) { emit left(); }

AreaMapWindow::AreaMapWindow(EditorCore& core, QWidget* parent)
    : QWidget(parent, Qt::Window), core_(core), zoomBox_(new QComboBox(this)),
      export_(new QPushButton(tr("&Export map as PNG..."), this)), scroll_(new QScrollArea(this)),
      canvas_(new AreaMapCanvas), link_(new QLabel(this))
{
    setObjectName(QStringLiteral("areaMap"));
    setWindowTitle(tr("Area map"));
    initGraphics(graphics_, carriedPictures());
    renderer_ = std::make_unique<Renderer>(graphics_, core_.palettes());

    for (int zoom : kZooms)
        zoomBox_->addItem(tr("%1%").arg(100 * zoom / AreaMapGeometry::kFullSize));
    zoomBox_->setCurrentIndex(1);
    zoomBox_->setObjectName(QStringLiteral("mapZoom"));
    export_->setObjectName(QStringLiteral("exportMap"));
    auto* zoomLabel = new QLabel(tr("&Zoom:"), this);
    zoomLabel->setBuddy(zoomBox_);
    connect(zoomBox_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(export_, &QPushButton::clicked, this, &AreaMapWindow::exportMap);
    connect(canvas_, &AreaMapCanvas::pointed, this, &AreaMapWindow::scrollViewTo);
    connect(canvas_, &AreaMapCanvas::hovered, this, &AreaMapWindow::showLinkAt);
    connect(canvas_, &AreaMapCanvas::left, this, [this] {
        hoveringLink_ = false;
        showSelectedLink();
    });
    link_->setObjectName(QStringLiteral("mapLink"));
    link_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    scroll_->setWidget(canvas_);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);

    auto* bar = new QHBoxLayout;
    bar->addWidget(zoomLabel);
    bar->addWidget(zoomBox_);
    bar->addStretch(1);
    bar->addWidget(export_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);
    layout->addWidget(link_);
    resize(900, 300);
}

AreaMapWindow::~AreaMapWindow() = default;

int AreaMapWindow::zoom() const
{
    const int index = std::clamp(zoomBox_->currentIndex(), 0, int(std::size(kZooms)) - 1);
    return kZooms[index];
}

void AreaMapWindow::setZoomIndex(int index) { zoomBox_->setCurrentIndex(index); }

void AreaMapWindow::refresh(bool force)
{
    if (!core_.hasImage())
        return;
    const AreaModel& area = core_.area();
    const ViewState& view = core_.view();
    const bool redraw = force ||
        !drawnArea_ || !(*drawnArea_ == area) || !sameDrawing(view, drawnView_) || drawnZoom_ != zoom();
    const AreaMapGeometry geometry(area, zoom());
    if (redraw) {
        AreaModel copy = area;
        applyLevelPalette(graphics_, copy, core_.directory().worldFirstArea, core_.palettes());
        picture_ = drawAreaMap(*renderer_, copy, view, core_.directory().worldFirstArea);
        const QImage full = assets::imageFromPicture(picture_);
        scaled_ = zoom() == AreaMapGeometry::kFullSize
                      ? full
                      : full.scaled(geometry.width(), geometry.height(), Qt::IgnoreAspectRatio,
                                    zoom() < AreaMapGeometry::kFullSize ? Qt::SmoothTransformation
                                                                        : Qt::FastTransformation);
        drawnArea_ = area;
        drawnView_ = view;
        drawnZoom_ = zoom();
    }
    const MapRect r = geometry.viewRect(view);
    const QRect rect(r.x, r.y, r.width, r.height);
    canvas_->setMap(scaled_, rect);
    scroll_->ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2 + 8, rect.height() / 2 + 8);
    if (!hoveringLink_)
        showSelectedLink();
}

void AreaMapWindow::showLinkAt(int x, int y)
{
    if (!core_.hasImage())
        return;
    const MapCell cell = AreaMapGeometry(core_.area(), zoom()).cellAt(x, y);
    const QString text = QString::fromStdString(
        mapLinkTextAt(core_.area(), core_.view(), core_.directory(), cell.column, cell.row));
    hoveringLink_ = !text.isEmpty();
    canvas_->setToolTip(text);
    if (hoveringLink_)
        link_->setText(text);
    else
        showSelectedLink();
}

void AreaMapWindow::showSelectedLink()
{
    const std::string text = core_.hasImage() && core_.editMode() == 0
                                 ? mapLinkText(core_.area(), core_.directory(), core_.area().selectedObject)
                                 : std::string();
    link_->setText(text.empty() ? QString() : tr("Selected: %1").arg(QString::fromStdString(text)));
}

void AreaMapWindow::scrollViewTo(int x, int y)
{
    const AreaMapGeometry geometry(core_.area(), zoom());
    if (geometry.scrollTo(x, y, core_.view()))
        core_.redraw(); // the main window passes the change back here
}

void AreaMapWindow::exportMap()
{
    const QString path = FileChooser::choose(this, FileChooser::Mode::Save, tr("Export map as PNG"),
                                             FileChooser::pngFilter(), QString(), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    try {
        if (const auto refusal = outputTargetRefusal(path.toStdString(), core_.romFileName()))
            throw ImageError(*refusal);
        assets::savePng(picture_, path.toStdString());
    } catch (const ImageError& error) {
        showMessage(this, QString::fromStdString(error.what()), tr("Export map as PNG"), MessageIcon::Warning);
    }
}

} // namespace quorled
