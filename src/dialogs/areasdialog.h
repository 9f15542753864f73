#pragma once

#include <QDialog>

#include <vector>

class QListWidget;

namespace quorled {

class EditorCore;

// The form `Areas` ("Select area"): the worlds in `List1`, the areas of the
// chosen world in `List2`. OK loads the chosen area, Cancel (or closing)
// reloads the current one. It opens with the current area's world and the
// area chosen; the choices live in the editor core. The areas in `marked`
// (those that differ from a compared image) read "NAME (differs)" in bold;
// areas with unsaved edits read "NAME *" in bold, with the tooltip
// "Unsaved edits".
class AreasDialog : public QDialog {
    Q_OBJECT
public:
    explicit AreasDialog(EditorCore& core, QWidget* parent = nullptr, std::vector<int> marked = {});

    QListWidget* worldList() const { return list1_; }
    QListWidget* areaList() const { return list2_; }

    void done(int result) override;

private:
    void list1Click();
    void list2Click();

    EditorCore& core_;
    std::vector<int> marked_;
    QListWidget* list1_;
    QListWidget* list2_;
};

} // namespace quorled
