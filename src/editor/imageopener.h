#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

namespace quorled {

class EditorCore;

// The opening part of start-up and Reload: asks for the image with the
// one-line prompt (unless a name is given), for a disk image also for the
// iNES reference image, shows the splash while the image is opened and its
// start area loaded, and explains every failure in a message box before
// asking again. Settings must have been read before.
class ImageOpener {
public:
    static QString promptTitle();

    ImageOpener(EditorCore& core, QWidget* parent, const QPixmap& splashPicture);

    // True once an image is open and its area loaded. False when the first
    // prompt was cancelled (the program then ends). On a reload a cancelled
    // prompt reopens the current image.
    bool run(const QString& givenPath);

    // Test hook: replaces the modal prompt (title, prompt, default) -> text.
    using PromptFunction = QString (*)(QWidget*, const QString&, const QString&, const QString&);
    static void setPromptFunction(PromptFunction prompt);

private:
    QString ask(const QString& prompt, const QString& defaultText) const;

    EditorCore& core_;
    QWidget* parent_;
    QPixmap splashPicture_;
};

} // namespace quorled
