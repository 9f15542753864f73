#pragma once

class QMainWindow;
class QScrollArea;
class QWidget;

namespace quorled {

// The level view's stage: a dark scroll area that keeps the view centred
// when the window is larger and scrolls it when the window is smaller.
QScrollArea* makeStageArea(QWidget* view, QWidget* parent);

// Resizes the window so the stage just holds the view, larger or smaller,
// but never beyond the screen's room for it. A maximised window stays.
void fitWindowToStage(QMainWindow& window, const QScrollArea& stage);

} // namespace quorled
