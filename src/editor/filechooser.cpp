#include "filechooser.h"

#include <QFileDialog>

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
    if (chooseOverride)
        return chooseOverride(mode, caption, suggestion);
    QFileDialog dialog(parent, caption, suggestion, filter);
    dialog.setAcceptMode(mode == Mode::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(mode == Mode::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace quorled
