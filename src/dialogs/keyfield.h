#pragma once

#include <QLineEdit>

namespace quorled {

// A field that shows the key pressed in it by its portable name
// ("Alt+Shift+Left", "Num+4"), keypad keys told apart from the others; the
// modifier keys alone change nothing.
class KeyField : public QLineEdit {
public:
    explicit KeyField(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
};

} // namespace quorled
