#include "shortcutsdialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quorled {

ShortcutsDialog::ShortcutsDialog(std::vector<Binding> bindings, std::vector<Binding> defaults,
                                 std::vector<std::pair<QString, QString>> viewKeys, QWidget* parent)
    : QDialog(parent), bindings_(std::move(bindings)), defaults_(std::move(defaults)), viewKeys_(std::move(viewKeys))
{
    setObjectName(QStringLiteral("shortcutsDialog"));
    setWindowTitle(tr("Keyboard shortcuts"));
    const int commands = static_cast<int>(bindings_.size());
    table_ = new QTableWidget(commands + static_cast<int>(viewKeys_.size()), 2, this);
    table_->setHorizontalHeaderLabels({tr("Command"), tr("Keys")});
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < commands; ++row)
        showRow(row);
    // The view's keys: listed, not rebound here.
    for (std::size_t i = 0; i < viewKeys_.size(); ++i) {
        const int row = commands + static_cast<int>(i);
        auto* what = new QTableWidgetItem(tr("View: %1").arg(viewKeys_[i].second));
        auto* keys = new QTableWidgetItem(viewKeys_[i].first);
        for (QTableWidgetItem* item : {what, keys})
            item->setFlags(Qt::ItemIsEnabled);
        table_->setItem(row, 0, what);
        table_->setItem(row, 1, keys);
    }

    keyEdit_ = new QKeySequenceEdit(this);
    auto* set = new QPushButton(tr("&Set"), this);
    auto* clear = new QPushButton(tr("C&lear"), this);
    auto* restore = new QPushButton(tr("&Restore defaults"), this);
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto currentCommand = [this] {
        const int row = table_->currentRow();
        return row >= 0 && row < static_cast<int>(bindings_.size()) ? row : -1;
    };
    connect(set, &QPushButton::clicked, this, [this, currentCommand] {
        if (const int row = currentCommand(); row >= 0)
            // One key combination; the field takes the first typed.
            setKey(row, keyEdit_->keySequence().isEmpty()
                            ? QString()
                            : QKeySequence(keyEdit_->keySequence()[0]).toString(QKeySequence::PortableText));
    });
    connect(clear, &QPushButton::clicked, this, [this, currentCommand] {
        if (const int row = currentCommand(); row >= 0)
            clearKey(row);
    });
    connect(restore, &QPushButton::clicked, this, &ShortcutsDialog::restoreDefaults);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("New key:"), this));
    row->addWidget(keyEdit_, 1);
    row->addWidget(set);
    row->addWidget(clear);
    row->addWidget(restore);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(row);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    resize(560, 520);
}

void ShortcutsDialog::showRow(int row)
{
    const Binding& binding = bindings_[static_cast<std::size_t>(row)];
    auto* name = new QTableWidgetItem(QString::fromStdString(binding.name));
    auto* keys = new QTableWidgetItem(QString::fromStdString(binding.keys));
    table_->setItem(row, 0, name);
    table_->setItem(row, 1, keys);
}

bool ShortcutsDialog::setKey(int row, const QString& key)
{
    message_->clear();
    if (key.isEmpty() || row < 0 || row >= static_cast<int>(bindings_.size()))
        return false;
    for (const auto& [viewKey, what] : viewKeys_) {
        if (viewKey.split(QStringLiteral(", ")).contains(key)) {
            message_->setText(tr("%1 is the view's key for \"%2\"; choose another key.").arg(key, what));
            return false;
        }
    }
    Binding& binding = bindings_[static_cast<std::size_t>(row)];
    const std::string holder = ShortcutSettings::holder(bindings_, binding.name, key.toStdString());
    if (!holder.empty()) {
        const auto answer = QMessageBox::question(
            this, tr("Keyboard shortcuts"),
            tr("%1 is the key of \"%2\". Take it from there for \"%3\"?")
                .arg(key, QString::fromStdString(holder), QString::fromStdString(binding.name)));
        if (answer != QMessageBox::Yes)
            return false;
        for (std::size_t i = 0; i < bindings_.size(); ++i) {
            if (bindings_[i].name != holder)
                continue;
            QStringList keys = QString::fromStdString(bindings_[i].keys).split(QStringLiteral(", "), Qt::SkipEmptyParts);
            keys.removeAll(key);
            bindings_[i].keys = keys.join(QStringLiteral(", ")).toStdString();
            showRow(static_cast<int>(i));
        }
    }
    binding.keys = key.toStdString();
    showRow(row);
    return true;
}

void ShortcutsDialog::clearKey(int row)
{
    if (row < 0 || row >= static_cast<int>(bindings_.size()))
        return;
    bindings_[static_cast<std::size_t>(row)].keys.clear();
    showRow(row);
}

void ShortcutsDialog::restoreDefaults()
{
    bindings_ = defaults_;
    for (int row = 0; row < static_cast<int>(bindings_.size()); ++row)
        showRow(row);
    message_->clear();
}

} // namespace quorled
