#include "demowindow.h"

#include "core/session/editorcore.h"
#include "editor/carriedart.h"
#include "editor/mainwindow.h"
#include "romdata/demo/demoimage.h"

#include <QFile>
#include <QPixmap>
#include <QTest>

namespace quorled::widgettests {

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

bool DemoWindow::open(bool show)
{
    dir = std::make_unique<QTemporaryDir>();
    if (!dir->isValid())
        return false;
    imagePath = dir->filePath(QStringLiteral("demo.nes"));
    const std::vector<std::uint8_t> image = buildDemoImage(ImageKind::Ines);
    const QString settings = dir->filePath(QStringLiteral("Quorled.ini"));
    if (!writeFile(imagePath, QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())))
        || !writeFile(settings, QByteArrayLiteral("[Options]\nStartArea= 10\n")))
        return false;
    core = std::make_unique<EditorCore>(carriedPictures());
    window = std::make_unique<MainWindow>(*core, settings, QPixmap());
    if (!window->startUp(imagePath))
        return false;
    if (!show)
        return true;
    window->show();
    return QTest::qWaitForWindowExposed(window.get());
}

void DemoWindow::close()
{
    window.reset();
    core.reset();
    dir.reset();
}

} // namespace quorled::widgettests
