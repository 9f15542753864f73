#include "splashwindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace quorled {

SplashWindow::SplashWindow(const QPixmap& picture, const QString& versionText, QWidget* parent)
    : QDialog(parent), version_(new QLabel(versionText, this))
{
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(tr("Quorl editor"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(picture);
    image->setAlignment(Qt::AlignCenter);
    // Clicks on the picture reach the window, which closes.
    image->setAttribute(Qt::WA_TransparentForMouseEvents);

    version_->setObjectName(QStringLiteral("version"));
    QFont bold = version_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    version_->setFont(bold);
    version_->setAlignment(Qt::AlignCenter);
    version_->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->addWidget(image);
    layout->addWidget(version_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString SplashWindow::versionLabelText() const
{
    return version_->text();
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    accept();
}

void SplashWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    accept();
}

} // namespace quorled
