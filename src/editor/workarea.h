#pragma once

#include "core/forms/stagefit.h"

#include <QWidget>

class QBoxLayout;
class QGridLayout;
class QScrollArea;

namespace quorled {

class LevelView;

// The main window's central widget: the level view's stage, which takes
// the room there is, and the panel of read-outs, header and buttons at its
// natural size. The panel stands to the right of the stage when the whole
// view fits there, else under it. With fitting on, the zoom follows the
// work area's size: the largest whole zoom at which the whole view is seen.
class WorkArea : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMargin = 10;
    static constexpr int kSpacing = 10;

    WorkArea(QScrollArea* stage, LevelView* view, QWidget* readouts, QWidget* header, QWidget* buttons,
             QWidget* parent = nullptr);

    PanelPlace place() const { return place_; }
    // The work area's size at which the whole view at `zoom` is seen with
    // the panel at `place`.
    QSize neededSize(int zoom, PanelPlace place) const;
    // The largest zoom that shows the whole view at the present size.
    int fittingZoom() const;

    void setFitting(bool on);
    bool fitting() const { return fitting_; }
    // Places the panel for the present size and the view's zoom.
    void arrange();

signals:
    // Fitting: the present size calls for another zoom.
    void fittingZoomChanged(int zoom);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placePanel(PanelPlace place);
    PixelSize room() const;
    PixelSize stageFrame() const;
    PixelSize besideSize() const;
    PixelSize belowSize() const;

    QScrollArea* stage_;
    LevelView* view_;
    QWidget* readouts_;
    QWidget* header_;
    QWidget* buttons_;
    QWidget* panel_ = nullptr;
    QGridLayout* panelLayout_ = nullptr;
    QBoxLayout* layout_ = nullptr;
    PanelPlace place_ = PanelPlace::Beside;
    bool fitting_ = false;
};

} // namespace quorled
