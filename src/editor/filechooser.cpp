#include "filechooser.h"

#include "shownpath.h"

#include <QFileDialog>
#include <QMessageBox>

namespace quorled {

namespace {

FileChooser::ChooseFunction chooseOverride = nullptr;

} // namespace

QString FileChooser::imageFilter()
{
    return QObject::tr("iNES images (*.nes);;SNES compilation images (*.smc *.sfc *.fig);;Disk images (*.fds);;"
                       "All files (*)");
}

QString FileChooser::pngFilter() { return QObject::tr("PNG pictures (*.png)"); }

void FileChooser::setChooseFunction(ChooseFunction choose) { chooseOverride = choose; }

QString FileChooser::choose(QWidget* parent, Mode mode, const QString& caption, const QString& filter,
                            const QString& suggestion, const QString& defaultSuffix)
{
    QString name;
    if (chooseOverride) {
        name = chooseOverride(mode, caption, suggestion);
    } else {
        QFileDialog dialog(parent, caption, suggestion, filter);
        dialog.setAcceptMode(mode == Mode::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(mode == Mode::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        if (!defaultSuffix.isEmpty())
            dialog.setDefaultSuffix(defaultSuffix);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            name = dialog.selectedFiles().first();
    }
    // The dialog shows bytes that are no UTF-8 as U+FFFD; such a name would
    // come back as other bytes and name another file, so it is not used.
    if (name.contains(QChar::ReplacementCharacter)) {
        QMessageBox::warning(parent, caption,
                             QObject::tr("The file name %1 cannot be kept byte for byte by this program, so it was "
                                         "not used.")
                                 .arg(shownPath(name)));
        return QString();
    }
    return name;
}

} // namespace quorled
