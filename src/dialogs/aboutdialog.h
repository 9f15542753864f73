#pragma once

#include <QDialog>
#include <QStringList>

namespace quorled {

// The key help lines of the About box, grouped as the box shows them.
struct KeyHelp {
    QStringList verticalOnly;   // under "(Vertical levels only)"
    QStringList horizontalOnly; // under "(Horizontal levels only)"
    QStringList common;         // the lines for every level
    QStringList shortcuts;      // the menu items' shortcuts, under "Menu shortcuts"
};

// The form `about`: title and version, what the editor does, the frame
// "Keys" with the key help, and OK.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const QString& versionText, const KeyHelp& help, QWidget* parent = nullptr);
};

} // namespace quorled
