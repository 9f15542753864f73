#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace quorled {
class EditorCore;
class MainWindow;
} // namespace quorled

namespace quorled::widgettests {

// The main window started on a fresh iNES demo image in a folder of its
// own, with a settings file that opens area 0A. Members are reset in the
// reverse order of their making.
struct DemoWindow {
    std::unique_ptr<QTemporaryDir> dir;
    QString imagePath;
    std::unique_ptr<EditorCore> core;
    std::unique_ptr<MainWindow> window;

    // False when the folder, the image or the settings file can't be made
    // or the window does not start; `show` also waits for it to appear.
    bool open(bool show);
    void close();
};

} // namespace quorled::widgettests
