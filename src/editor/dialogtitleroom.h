#pragma once

#include <QObject>

class QDialog;
class QFont;
class QString;

namespace quorled {

// The width a window needs so that its title bar shows `title` whole:
// the text in a bold title font, plus room for the icon and the buttons.
int titleRoom(const QString& title, const QFont& font);

// Widens a dialog that is too narrow for its title, so the title is never
// cut. Watches every dialog of the application as it is shown.
class DialogTitleRoom : public QObject {
    Q_OBJECT
public:
    explicit DialogTitleRoom(QObject* parent = nullptr);

    static void makeRoom(QDialog& dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quorled
