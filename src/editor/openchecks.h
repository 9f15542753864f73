#pragma once

#include <QString>

#include <string>

class QWidget;

namespace quorled {

class EditorCore;

// Checks of a file about to be opened, and of an image just opened, that
// the user is told about in a message box.
namespace openchecks {

// For a file that does not start as an image of its kind does: warns and
// asks whether to open it for viewing only (nothing is then ever written
// to it). True when it may be opened: it has the mark, it cannot be read
// (opening it then says why), or the user chose "Open for viewing".
bool confirmForeignFile(QWidget* parent, const std::string& path, const QString& title);

// After an image was opened: when many of its areas do not decode
// cleanly, says how many.
void reportDamagedAreas(QWidget* parent, const EditorCore& core, const QString& title);

} // namespace openchecks

} // namespace quorled
