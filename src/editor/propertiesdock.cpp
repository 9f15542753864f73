#include "propertiesdock.h"

#include "core/editing/groupproperties.h"
#include "core/editing/groupselection.h"
#include "elidedlabel.h"

#include "core/session/editorcore.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quorled {

namespace {

QString fieldName(SelectionProperties::Field field)
{
    switch (field) {
    case SelectionProperties::Field::Type: return QStringLiteral("propType");
    case SelectionProperties::Field::X: return QStringLiteral("propX");
    case SelectionProperties::Field::Y: return QStringLiteral("propY");
    case SelectionProperties::Field::Layer: return QStringLiteral("propLayer");
    case SelectionProperties::Field::FirstParameter: return QStringLiteral("propParameter1");
    case SelectionProperties::Field::SecondParameter: return QStringLiteral("propParameter2");
    }
    return {};
}

} // namespace

PropertiesDock::PropertiesDock(EditorCore& core, QWidget* parent) : QDockWidget(tr("Properties"), parent), core_(core)
{
    setObjectName(QStringLiteral("propertiesDock"));
    auto* panel = new QWidget(this);
    // A long name is cut, so no selection changes the dock's width.
    heading_ = new ElidedLabel(24, panel);
    heading_->setObjectName(QStringLiteral("propHeading"));
    auto* form = new QFormLayout;
    for (Field f : SelectionProperties::kFields) {
        auto* edit = new QLineEdit(panel);
        edit->setObjectName(fieldName(f));
        edit->setMaxLength(8);
        fields_[static_cast<std::size_t>(f)] = edit;
        form->addRow(QString::fromLatin1(SelectionProperties::caption(f)) + QLatin1Char(':'), edit);
        connect(edit, &QLineEdit::editingFinished, this, [this, f] { commit(f); });
    }
    message_ = new QLabel(panel);
    message_->setObjectName(QStringLiteral("propMessage"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00020;"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(heading_);
    layout->addLayout(form);
    layout->addWidget(message_);
    layout->addStretch(1);
    setWidget(panel);
    showValues();
}

void PropertiesDock::follow(ChangeSet changes)
{
    if (changes.has(Change::Readouts) || changes.has(Change::EditMode) || changes.has(Change::Picture))
        showValues();
}

void PropertiesDock::commit(Field f)
{
    QLineEdit* edit = field(f);
    if (!core_.hasImage() || !edit->isModified())
        return;
    edit->setModified(false);
    const int mode = core_.editMode();
    const auto limits = SelectionProperties::limits(core_.area(), mode, f);
    if (!limits) {
        showValues();
        return;
    }
    const SelectionProperties::Parsed parsed = SelectionProperties::parse(edit->text().toStdString(), f, *limits);
    if (!parsed.value) {
        message_->setText(QString::fromStdString(parsed.message));
        showValues();
        return;
    }
    message_->clear();
    if (GroupProperties::isGroup(core_.area(), mode)) {
        // Every selected item of the mode's kind takes the value.
        if (!GroupProperties::apply(core_, mode, f, *parsed.value) &&
            GroupProperties::shown(core_.area(), mode, f).value != parsed.value)
            message_->setText(tr("%1 can't be %2 for every selected item.")
                                  .arg(QString::fromUtf8(SelectionProperties::caption(f)), edit->text().trimmed()));
    } else if (parsed.value != SelectionProperties::value(core_.area(), mode, f)) {
        SelectionProperties::apply(core_, mode, f, *parsed.value);
    }
    showValues();
}

void PropertiesDock::showValues()
{
    const bool image = core_.hasImage();
    const int mode = image ? core_.editMode() : 0;
    // A refusal is about the item it was typed for.
    const std::array<int, 3> selection{mode, image ? core_.area().selectedObject : 0,
                                       image ? core_.area().selectedEnemy : 0};
    if (selection != shown_)
        message_->clear();
    shown_ = selection;
    const bool group = image && GroupProperties::isGroup(core_.area(), mode);
    if (group) {
        heading_->setText(QString::fromStdString(GroupSelection::summary(core_.area(), mode)));
    } else if (image) {
        const ReadoutTexts& texts = core_.readouts();
        heading_->setText(QString::fromStdString(mode == 1 ? texts.enemyNumber + "  " + texts.enemyName
                                                           : texts.objectNumber + "  " + texts.objectName));
    } else {
        heading_->clear();
    }
    for (Field f : SelectionProperties::kFields) {
        QLineEdit* edit = field(f);
        // A text being typed stays until it is committed.
        if (edit->hasFocus() && edit->isModified())
            continue;
        if (group) {
            // A dash where the items differ.
            const GroupProperties::Shown shown = GroupProperties::shown(core_.area(), mode, f);
            edit->setEnabled(shown.applies);
            edit->setText(!shown.applies ? QString()
                          : shown.value  ? QString::fromStdString(SelectionProperties::text(*shown.value))
                                         : QStringLiteral("-"));
            edit->setModified(false);
            continue;
        }
        const std::optional<int> value = image ? SelectionProperties::value(core_.area(), mode, f) : std::nullopt;
        edit->setEnabled(value.has_value());
        edit->setText(value ? QString::fromStdString(SelectionProperties::text(*value)) : QString());
        edit->setModified(false);
    }
}

} // namespace quorled
