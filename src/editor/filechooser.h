#pragma once

#include <QString>

class QWidget;

namespace quorled {

// The file dialogs of the workbench commands: one to open a file, one to
// name a new one (which asks before replacing a file). An empty result
// means Cancel, or a name that cannot keep its bytes (the user is told).
class FileChooser {
public:
    enum class Mode { Open, Save };

    // Filters of the three image kinds and of PNG pictures.
    static QString imageFilter();
    static QString pngFilter();

    static QString choose(QWidget* parent, Mode mode, const QString& caption, const QString& filter,
                          const QString& suggestion, const QString& defaultSuffix = QString());

    // Test hook: replaces the modal dialog (mode, caption, suggestion) -> name.
    using ChooseFunction = QString (*)(Mode, const QString&, const QString&);
    static void setChooseFunction(ChooseFunction choose);
};

} // namespace quorled
