#pragma once

#include "romdata/areamodel.h"
#include "view/graphics.h"
#include "view/picture.h"
#include "view/viewstate.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace quorled {

class EditorCore;
class Renderer;

// The picture of the area map with the level view's rectangle on it; a
// press or drag reports the map pixel under the pointer, and so does a move
// without a button held.
class AreaMapCanvas : public QWidget {
    Q_OBJECT
public:
    explicit AreaMapCanvas(QWidget* parent = nullptr);
    void setMap(const QImage& map, const QRect& viewRect);
    const QImage& map() const { return map_; }
    QRect viewRect() const { return viewRect_; }
    QSize sizeHint() const override { return map_.size(); }

signals:
    void pointed(int x, int y);
    void hovered(int x, int y);
    void left();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage map_;
    QRect viewRect_;
};

// "Area map": the whole current area at a chosen zoom, drawn by the
// renderer with the view's options, the level view's screen outlined on
// it. A click or drag scrolls the level view there; the window follows
// every edit and scroll of the main window. Below the map it says where the
// door or pointer under the mouse pointer leads, else the selected one.
class AreaMapWindow : public QWidget {
    Q_OBJECT
public:
    // Zoom choices in eighths (25%, 50%, 100%, 200%).
    static constexpr int kZooms[] = {2, 4, 8, 16};

    AreaMapWindow(EditorCore& core, QWidget* parent);
    ~AreaMapWindow() override;

    // Redraws the map when the area or the view options changed since the
    // last drawing (or when `force`d: new colours, another image), and
    // moves the rectangle.
    void refresh(bool force = false);
    void setZoomIndex(int index);

    AreaMapCanvas* canvas() const { return canvas_; }
    QComboBox* zoomBox() const { return zoomBox_; }
    QPushButton* exportButton() const { return export_; }
    QLabel* linkLabel() const { return link_; }

private:
    int zoom() const;
    void scrollViewTo(int x, int y);
    void exportMap();
    void showLinkAt(int x, int y);
    void showSelectedLink();

    EditorCore& core_;
    GraphicsModel graphics_;
    std::unique_ptr<Renderer> renderer_;
    Picture picture_{1, 1};
    QImage scaled_;
    // What the last map was drawn from; the scroll position does not count.
    std::optional<AreaModel> drawnArea_;
    ViewState drawnView_;
    int drawnZoom_ = 0;

    QComboBox* zoomBox_;
    QPushButton* export_;
    QScrollArea* scroll_;
    AreaMapCanvas* canvas_;
    QLabel* link_;
    // Whether the mouse pointer is over a door or pointer on the map.
    bool hoveringLink_ = false;
};

} // namespace quorled
