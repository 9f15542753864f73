#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;

namespace quorled {

// The form `Splash`: the title picture with the version below it. Any key
// or a click closes it.
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    SplashWindow(const QPixmap& picture, const QString& versionText, QWidget* parent = nullptr);

    QString versionLabelText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* version_;
};

} // namespace quorled
