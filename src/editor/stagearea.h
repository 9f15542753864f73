#pragma once

class QMainWindow;
class QScrollArea;
class QWidget;

namespace quorled {

// The level view's stage: a dark scroll area that keeps the view centred
// when the window is larger and scrolls it when the window is smaller.
QScrollArea* makeStageArea(QWidget* view, QWidget* parent);

class WorkArea;

// Resizes the window so the whole view at `zoom` is seen with the panel
// beside it, or else under it, larger or smaller, but never beyond the
// screen's room for it. A maximised window stays.
void fitWindowToWork(QMainWindow& window, const WorkArea& work, int zoom);

} // namespace quorled
