#include "imageopener.h"

#include "filechooser.h"
#include "startupprobe.h"

#include "core/session/editorcore.h"
#include "core/session/editortexts.h"
#include "dialogs/splashwindow.h"
#include "openchecks.h"
#include "platform/lineprompt.h"
#include "platform/messages.h"

#include <QApplication>
#include <QFileInfo>

#include <memory>

namespace quorled {

namespace {

ImageOpener::PromptFunction promptOverride = nullptr;

} // namespace

QString ImageOpener::promptTitle()
{
    return QObject::tr("Quorl level editor");
}

void ImageOpener::setPromptFunction(PromptFunction prompt)
{
    promptOverride = prompt;
}

ImageOpener::ImageOpener(EditorCore& core, QWidget* parent, const QPixmap& splashPicture)
    : core_(core), parent_(parent), splashPicture_(splashPicture)
{
}

QString ImageOpener::ask(const QString& prompt, const QString& defaultText) const
{
    if (promptOverride)
        return promptOverride(parent_, promptTitle(), prompt, defaultText);
    return LinePrompt::ask(parent_, promptTitle(), prompt, defaultText, FileChooser::imageFilter());
}

bool ImageOpener::run(const QString& givenPath)
{
    const bool firstStart = !core_.hasImage();
    QString path = givenPath;
    QString suggestion = QString::fromStdString(core_.promptDefault());
    bool askReference = false;
    QString referenceSuggestion = QString::fromStdString(core_.referenceImagePath());

    for (;;) {
        if (path.isEmpty()) {
            path = ask(QObject::tr("Enter the filename and path :"), suggestion);
            if (path.isEmpty()) {
                if (firstStart)
                    return false;
                // A cancelled Reload keeps the open image and still rereads
                // the settings and the start area.
                if (const auto failure = core_.reopenCurrentImage()) {
                    showMessage(parent_, QString::fromStdString(*failure), promptTitle(), MessageIcon::Warning);
                    return true;
                }
                return true;
            }
        }

        QString reference;
        if (EditorCore::needsReference(path.toStdString())) {
            reference = QString::fromStdString(core_.referenceImagePath());
            if (askReference || reference.isEmpty() || !QFileInfo::exists(reference)) {
                reference = ask(QObject::tr("A disk image needs the iNES image of the game as its reference.\n"
                                            "Enter the filename and path of the iNES image :"),
                                referenceSuggestion.isEmpty() ? QStringLiteral("quorl.nes") : referenceSuggestion);
                if (reference.isEmpty()) {
                    suggestion = path;
                    path.clear();
                    continue;
                }
            }
        }

        if (!openchecks::confirmForeignFile(parent_, path.toStdString(), promptTitle())) {
            suggestion = path;
            path.clear();
            continue;
        }

        std::optional<std::string> failure;
        {
            std::unique_ptr<SplashWindow> splash;
            if (!splashPicture_.isNull()) {
                splash = std::make_unique<SplashWindow>(splashPicture_,
                                                        QString::fromStdString(editorVersionText()), parent_);
                splash->setModal(false);
                splash->show();
                splash->repaint();
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                startupprobe::mark("splash shown");
            }
            failure = core_.openImage(path.toStdString(), reference.toStdString());
            startupprobe::mark("image read, first area loaded");
        }
        if (!failure) {
            openchecks::reportDamagedAreas(parent_, core_, promptTitle());
            return true;
        }

        showMessage(parent_, QString::fromStdString(*failure), promptTitle(), MessageIcon::Warning);
        if (!reference.isEmpty()) {
            askReference = true;
            referenceSuggestion = reference;
        }
        suggestion = path;
        path.clear();
    }
}

} // namespace quorled
