#pragma once

#include "core/workbench/areaslices.h"
#include "core/workbench/gameoverview.h"

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QTimer;
class QPlainTextEdit;
class QTabWidget;

namespace quorled {

class GameAreaSource;

// The picture of every area that the overview shows: thumbnails with their
// numbers, names and marks and the door arrows, at a zoom. A click on an
// area asks to open it.
class OverviewCanvas : public QWidget {
    Q_OBJECT
public:
    explicit OverviewCanvas(QWidget* parent = nullptr);
    void show(const QImage& picture, const OverviewLayout& layout, const GameAreas& game);
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    QSize sizeHint() const override;

signals:
    void areaClicked(int area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    int areaAt(const QPoint& point) const;

    QImage picture_;
    OverviewLayout layout_;
    std::vector<QString> names_;
    double zoom_ = 1.0;
};

// "Game overview": every area as a thumbnail drawn by the renderer, grouped
// by world, level and slot, with marks and door arrows, and a statistics
// tab. It follows the source's changes while it is open.
class OverviewWindow : public QWidget {
    Q_OBJECT
public:
    OverviewWindow(GameAreaSource& source, QWidget* parent = nullptr);
    ~OverviewWindow() override;

    OverviewCanvas* canvas() const { return canvas_; }
    QPlainTextEdit* statistics() const { return statistics_; }
    // The whole picture as it is shown (for the PNG export and tests).
    const Picture& picture() const { return picture_; }
    // Whether cells are still to be drawn: they are drawn a slice at a time
    // so the window answers while a large image is drawn.
    bool drawing() const;
    // The time a slice may take (40 ms unless set); each draws one area at
    // least.
    void setSliceMs(qint64 ms) { slices_.setBudget(AreaSlices::Budget(ms)); }
    // Draws every cell left now.
    void finishDrawing();
    // Marks the areas that differ from a compared image (none: no marks).
    void setComparedAreas(std::vector<int> areas);
    void exportPng();

signals:
    void areaChosen(int area);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void sourceChanged(int area);
    void rebuild();
    // Draws a slice of the cells left and shows the picture; the rest follow
    // after the events waiting.
    void drawSlice();
    // The statistics tab, counted over every area when it is shown.
    void showStatistics();

    GameAreaSource& source_;
    int listener_ = 0;
    std::unique_ptr<ThumbnailPainter> painter_;
    std::vector<OverviewCell> cells_;
    AreaSlices slices_; // the cells left to draw
    bool statisticsStale_ = true;
    QTimer* drawTimer_ = nullptr;
    static constexpr qint64 kShowEveryMs = 250;
    QElapsedTimer shown_; // since the picture was last put together
    std::vector<int> compared_;
    Picture picture_;
    QTabWidget* tabs_ = nullptr;
    OverviewCanvas* canvas_ = nullptr;
    QPlainTextEdit* statistics_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
};

} // namespace quorled
