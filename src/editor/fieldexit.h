#pragma once

#include <QObject>

class QLineEdit;

namespace quorled {

// Gives the keyboard back when the user is done with a text field: Return
// or Enter once the field has taken its value, Escape at once (the typed
// text is dropped, not taken). `done` tells the window to focus its view.
class FieldExit : public QObject {
    Q_OBJECT
public:
    explicit FieldExit(QObject* parent = nullptr);

    void watch(QLineEdit* field);

signals:
    // After Escape, before `done`: the field is to show its value again.
    void escaped(QLineEdit* field);
    void done();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quorled
