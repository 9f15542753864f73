#pragma once

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace quorled::widgettests {

// The whole file, or nothing when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The offsets at which two files differ; {-1} when their sizes differ.
inline QList<long> differences(const QByteArray& before, const QByteArray& after)
{
    if (before.size() != after.size())
        return {-1};
    QList<long> offsets;
    for (qsizetype i = 0; i < before.size(); ++i)
        if (before[i] != after[i])
            offsets << long(i);
    return offsets;
}

// Accepts every message box that shows up and keeps its title, text and icon.
class BoxCatcher : public QObject {
public:
    BoxCatcher()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                titles << box->windowTitle();
                texts << box->text();
                icons << box->icon();
                box->accept();
            }
        });
        timer_.start(5);
    }
    // Each box as "TITLE | TEXT".
    QStringList shown() const
    {
        QStringList boxes;
        for (qsizetype i = 0; i < titles.size(); ++i)
            boxes << titles[i] + QStringLiteral(" | ") + texts[i];
        return boxes;
    }
    QStringList titles;
    QStringList texts;
    QList<QMessageBox::Icon> icons;

private:
    QTimer timer_;
};

} // namespace quorled::widgettests
