#pragma once

#include "core/document/change.h"
#include "core/editing/selectionproperties.h"

#include <QDockWidget>

#include <array>

class QLabel;
class QLineEdit;

namespace quorled {

class EditorCore;

// The dockable "Properties" panel: the selected object's or enemy's type,
// X, Y, layer and special-object parameters as hexadecimal fields. Return
// or leaving a field makes the change one undoable step; a text that is no
// number or out of range is refused with a message under the fields and the
// field shows the value again.
class PropertiesDock : public QDockWidget {
    Q_OBJECT
public:
    using Field = SelectionProperties::Field;

    PropertiesDock(EditorCore& core, QWidget* parent = nullptr);

    void follow(ChangeSet changes);

    QLineEdit* field(Field field) const { return fields_[static_cast<std::size_t>(field)]; }
    QLabel* heading() const { return heading_; }
    QLabel* message() const { return message_; }

    // Shows the selection's values again in every field not being typed in.
    void showValues();

private:
    void commit(Field field);

    EditorCore& core_;
    QLabel* heading_ = nullptr;
    QLabel* message_ = nullptr;
    std::array<QLineEdit*, SelectionProperties::kFields.size()> fields_{};
    std::array<int, 3> shown_{-1, -1, -1}; // edit mode and selection the fields show
};

} // namespace quorled
