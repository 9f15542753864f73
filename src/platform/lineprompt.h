#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace quorled {

// The one-line text prompt: a title, a prompt text, an edit line with a
// default text, OK and Cancel, and a "Browse..." button that fills the line
// from a file dialog. Cancel gives an empty text.
class LinePrompt : public QDialog {
    Q_OBJECT
public:
    LinePrompt(const QString& title, const QString& prompt, const QString& defaultText,
               const QString& fileFilter, QWidget* parent = nullptr);

    QString text() const;
    QLineEdit* lineEdit() const { return edit_; }

    // Runs the prompt modally; the entered text, or empty on Cancel.
    static QString ask(QWidget* parent, const QString& title, const QString& prompt,
                       const QString& defaultText, const QString& fileFilter);

private:
    void browse();

    QLabel* label_;
    QLineEdit* edit_;
    QString fileFilter_;
};

} // namespace quorled
