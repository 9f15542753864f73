#include "areasdialog.h"

#include "core/forms/areachooser.h"
#include "core/session/editorcore.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorled {

AreasDialog::AreasDialog(EditorCore& core, QWidget* parent, std::vector<int> marked)
    : QDialog(parent), core_(core), marked_(std::move(marked)), list1_(new QListWidget(this)), list2_(new QListWidget(this))
{
    setObjectName(QStringLiteral("Areas"));
    setWindowTitle(tr("Select area"));

    list1_->setObjectName(QStringLiteral("List1"));
    list2_->setObjectName(QStringLiteral("List2"));
    for (const std::string& name : AreaChooser::worldNames())
        list1_->addItem(QString::fromStdString(name));
    list1_->setFixedWidth(110);
    list2_->setMinimumSize(260, 240);
    // Selection, not the current row: a list that merely gets the focus
    // chooses nothing.
    connect(list1_, &QListWidget::itemSelectionChanged, this, &AreasDialog::list1Click);
    connect(list2_, &QListWidget::itemSelectionChanged, this, &AreasDialog::list2Click);
    connect(list2_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    // The current area's world and the area itself are chosen to begin with.
    if (const auto place = AreaChooser::placeOf(core_.currentArea(), core_.directory())) {
        list1_->setCurrentRow(place->first - 1);
        list2_->setCurrentRow(place->second);
        list2_->scrollToItem(list2_->currentItem());
    }

    auto* prompt = new QLabel(tr("Select area to edit :"), this);
    prompt->setObjectName(QStringLiteral("l1"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* lists = new QHBoxLayout;
    lists->addWidget(list1_);
    lists->addWidget(list2_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(lists, 1);
    layout->addWidget(buttons);
}

void AreasDialog::list1Click()
{
    const QList<QListWidgetItem*> selected = list1_->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = list1_->row(selected.first());
    const QSignalBlocker blocker(list2_);
    list2_->clear();
    const int first = core_.directory().worldFirstArea[static_cast<std::size_t>(row + 1)];
    int area = std::max(0, first);
    const std::vector<int> unsaved = core_.document().changedAreas();
    for (const std::string& name : core_.chooseWorld(row + 1)) {
        auto* item = new QListWidgetItem(QString::fromStdString(name), list2_);
        const bool differs = std::find(marked_.begin(), marked_.end(), area) != marked_.end();
        const bool edited = std::binary_search(unsaved.begin(), unsaved.end(), area);
        ++area;
        if (differs)
            item->setText(item->text() + tr(" (differs)"));
        if (edited) {
            item->setText(item->text() + tr(" *"));
            item->setToolTip(tr("Unsaved edits"));
        }
        if (differs || edited) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
}

void AreasDialog::list2Click()
{
    const QList<QListWidgetItem*> selected = list2_->selectedItems();
    if (!selected.isEmpty())
        core_.chooseArea(list2_->row(selected.first()));
}

void AreasDialog::done(int result)
{
    QDialog::done(result);
    if (result == QDialog::Accepted)
        core_.acceptAreaChoice();
    else
        core_.cancelAreaChoice();
}

} // namespace quorled
