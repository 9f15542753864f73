#pragma once

#include <QLabel>

namespace quorled {

// A one-line label whose width does not follow its text: it asks for room
// for `hintCharacters` characters, shows a longer text cut with "…" and the
// whole text in its tooltip. text() is always the whole text.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(int hintCharacters, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The text as it is shown at the label's present width.
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int hintCharacters_;
};

} // namespace quorled
