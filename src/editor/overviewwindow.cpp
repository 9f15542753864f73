#include "overviewwindow.h"

#include "assets/artwork.h"
#include "assets/imageconversion.h"
#include "core/workbench/gamestats.h"
#include "core/workbench/problemrules.h"
#include "romdata/bytes.h"
#include "romdata/imageerror.h"

#include <algorithm>

#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

namespace quorled {

namespace {

constexpr double kZooms[] = {0.5, 0.75, 1.0, 1.5, 2.0};

} // namespace

OverviewCanvas::OverviewCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("overviewCanvas"));
    setMouseTracking(true);
}

void OverviewCanvas::show(const QImage& picture, const OverviewLayout& layout, const GameAreas& game)
{
    picture_ = picture;
    layout_ = layout;
    names_.clear();
    for (int area = 0; area < static_cast<int>(game.areas.size()); ++area)
        names_.push_back(QString::fromStdString(game.directory.areaName(area)));
    setFixedSize(sizeHint());
    update();
}

void OverviewCanvas::setZoom(double zoom)
{
    zoom_ = zoom;
    setFixedSize(sizeHint());
    update();
}

QSize OverviewCanvas::sizeHint() const
{
    return QSize(static_cast<int>(picture_.width() * zoom_), static_cast<int>(picture_.height() * zoom_));
}

void OverviewCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 1.0);
    painter.drawImage(rect(), picture_);
    if (zoom_ < 0.75)
        return; // names are unreadable that small
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(10 * zoom_)));
    painter.setFont(font);
    painter.setPen(QColor(0xE8, 0xE8, 0xE8));
    for (std::size_t area = 0; area < layout_.cells.size() && area < names_.size(); ++area) {
        const auto& cell = layout_.cells[area];
        // The name stands after the number and the marks.
        const QRect box(static_cast<int>((cell.x + 80) * zoom_), static_cast<int>(cell.y * zoom_),
                        static_cast<int>((OverviewLayout::kCellWidth - 86) * zoom_),
                        static_cast<int>(OverviewLayout::kLabelHeight * zoom_));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(names_[area], Qt::ElideRight, box.width()));
    }
}

int OverviewCanvas::areaAt(const QPoint& point) const
{
    return layout_.areaAt(static_cast<int>(point.x() / zoom_), static_cast<int>(point.y() / zoom_));
}

void OverviewCanvas::mousePressEvent(QMouseEvent* event)
{
    const int area = areaAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && area >= 0)
        emit areaClicked(area);
}

bool OverviewCanvas::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int area = areaAt(help->pos());
        if (area >= 0 && area < static_cast<int>(names_.size()))
            QToolTip::showText(help->globalPos(),
                               tr("Area %1: %2").arg(QString::fromStdString(hex2(area)), names_[static_cast<std::size_t>(area)]),
                               this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

OverviewWindow::OverviewWindow(GameAreaSource& source, QWidget* parent)
    : QWidget(parent, Qt::Window), source_(source)
{
    setObjectName(QStringLiteral("overviewWindow"));
    setWindowTitle(tr("Game overview"));
    painter_ = std::make_unique<ThumbnailPainter>(assets::loadGraphics(), source_.palettes());

    canvas_ = new OverviewCanvas(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(canvas_);
    scroll->setBackgroundRole(QPalette::Dark);
    statistics_ = new QPlainTextEdit(this);
    statistics_->setObjectName(QStringLiteral("overviewStatistics"));
    statistics_->setReadOnly(true);
    statistics_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    tabs_ = new QTabWidget(this);
    tabs_->addTab(scroll, tr("&Areas"));
    tabs_->addTab(statistics_, tr("&Statistics"));

    auto* zoomOut = new QPushButton(tr("Zoom &out"), this);
    auto* zoomIn = new QPushButton(tr("Zoom &in"), this);
    zoomLabel_ = new QLabel(this);
    auto* exportButton = new QPushButton(tr("&Export overview as PNG..."), this);
    exportButton->setObjectName(QStringLiteral("exportOverview"));
    const auto stepZoom = [this](int step) {
        int i = 0;
        while (i < 4 && kZooms[i] < canvas_->zoom())
            ++i;
        i = std::clamp(i + step, 0, 4);
        canvas_->setZoom(kZooms[i]);
        zoomLabel_->setText(tr("%1%").arg(static_cast<int>(kZooms[i] * 100)));
    };
    connect(zoomOut, &QPushButton::clicked, this, [stepZoom] { stepZoom(-1); });
    connect(zoomIn, &QPushButton::clicked, this, [stepZoom] { stepZoom(1); });
    connect(exportButton, &QPushButton::clicked, this, &OverviewWindow::exportPng);
    connect(canvas_, &OverviewCanvas::areaClicked, this, &OverviewWindow::areaChosen);
    // The cells left after a slice are drawn once the events waiting are in.
    drawTimer_ = new QTimer(this);
    drawTimer_->setSingleShot(true);
    drawTimer_->setInterval(0);
    connect(drawTimer_, &QTimer::timeout, this, [this] {
        if (isVisible() && drawing())
            drawSlice();
    });
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (tabs_->currentWidget() == statistics_)
            showStatistics();
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(zoomOut);
    bar->addWidget(zoomIn);
    bar->addWidget(zoomLabel_);
    bar->addStretch(1);
    bar->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(tabs_, 1);
    zoomLabel_->setText(tr("100%"));
    resize(1100, 720);

    listener_ = source_.addListener([this](int area) { sourceChanged(area); });
    sourceChanged(-1);
}

OverviewWindow::~OverviewWindow() { source_.removeListener(listener_); }

void OverviewWindow::sourceChanged(int area)
{
    const std::size_t count = source_.heads().areas.size();
    if (area < 0 || cells_.size() != count) {
        painter_ = std::make_unique<ThumbnailPainter>(assets::loadGraphics(), source_.palettes());
        // Frames and names until each cell is drawn again.
        cells_.assign(count, OverviewCell());
        slices_.addAll(static_cast<int>(count));
    } else if (static_cast<std::size_t>(area) < count) {
        slices_.add(area);
    }
    statisticsStale_ = true;
    // A hidden window draws when it is shown again.
    if (isVisible())
        rebuild();
}

void OverviewWindow::setComparedAreas(std::vector<int> areas)
{
    if (areas == compared_)
        return;
    compared_ = std::move(areas);
    // The thumbnails stay; the picture is put together again with the marks.
    picture_ = Picture();
    if (isVisible())
        rebuild();
}

void OverviewWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    rebuild();
}

bool OverviewWindow::drawing() const { return !slices_.empty(); }

void OverviewWindow::finishDrawing()
{
    if (picture_.width() == 0)
        drawSlice(); // the frames only
    for (std::size_t left = slices_.left(); left > 0; left = slices_.left()) {
        drawSlice();
        if (slices_.left() >= left)
            break; // no image to draw from
    }
}

void OverviewWindow::rebuild()
{
    if (drawing() || picture_.width() == 0)
        drawSlice();
    if (tabs_->currentWidget() == statistics_)
        showStatistics();
}

void OverviewWindow::drawSlice()
{
    const GameAreas& heads = source_.heads();
    if (heads.areas.empty() || cells_.size() != heads.areas.size())
        return;
    const OverviewLayout layout = overviewLayout(heads);
    // A window shown for the first time shows the cells' frames and names at
    // once, and draws them from the next slice on.
    const bool done = picture_.width() > 0 ? slices_.run(source_, [&](const GameAreas& game, int area) {
        cells_[static_cast<std::size_t>(area)] = overviewCell(*painter_, game, area, layout);
    }) : slices_.empty();
    if (!done)
        drawTimer_->start();
    // While cells are left the picture is put together again a few times a
    // second only: that costs more than a slice of small areas.
    if (!done && picture_.width() > 0 && shown_.isValid() && shown_.elapsed() < kShowEveryMs)
        return;
    for (std::size_t area = 0; area < cells_.size(); ++area)
        cells_[area].marks.differs =
            std::find(compared_.begin(), compared_.end(), static_cast<int>(area)) != compared_.end();
    composeOverviewInto(picture_, layout, cells_);
    canvas_->show(assets::imageFromPicture(picture_, 1), layout, heads);
    shown_.start();
}

void OverviewWindow::showStatistics()
{
    if (!statisticsStale_)
        return;
    GameStatsTally tally;
    source_.visitAreas({}, [&](const GameAreas& game, int area) { tally.add(game, area); });
    statistics_->setPlainText(QString::fromStdString(gameStatsText(tally.finish())));
    statisticsStale_ = false;
}

void OverviewWindow::exportPng()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export overview as PNG"), QStringLiteral("overview.png"),
                                                      tr("PNG pictures (*.png)"));
    if (path.isEmpty())
        return;
    finishDrawing();
    try {
        assets::savePng(picture_, path.toStdString(), 1);
    } catch (const ImageError& error) {
        QMessageBox::warning(this, tr("Export overview as PNG"), QString::fromStdString(error.what()));
    }
}

} // namespace quorled
