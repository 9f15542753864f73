#include "finddialog.h"

#include "core/workbench/gameareas.h"
#include "romdata/bytes.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorled {

FindDialog::FindDialog(GameAreaSource& source, QWidget* parent) : QDialog(parent), source_(source)
{
    setObjectName(QStringLiteral("findDialog"));
    setWindowTitle(tr("Find"));
    query_ = new QLineEdit(this);
    query_->setObjectName(QStringLiteral("findQuery"));
    query_->setPlaceholderText(tr("A name (Cloud), enemy 01 or object 1A"));
    query_->setClearButtonEnabled(true);
    results_ = new QTreeWidget(this);
    results_->setObjectName(QStringLiteral("findResults"));
    results_->setRootIsDecorated(false);
    results_->setHeaderLabels({tr("Area"), tr("Item"), tr("Position"), tr("Name")});
    results_->header()->setStretchLastSection(true);
    summary_ = new QLabel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(query_);
    layout->addWidget(results_, 1);
    layout->addWidget(summary_);
    resize(560, 420);

    connect(query_, &QLineEdit::textChanged, this, &FindDialog::search);
    connect(results_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int row = results_->indexOfTopLevelItem(item);
        if (row >= 0 && row < static_cast<int>(hits_.size())) {
            const SearchHit& hit = hits_[static_cast<std::size_t>(row)];
            emit itemChosen(hit.area, hit.item, hit.index);
        }
    });
    listener_ = source_.addListener([this](int) {
        if (isVisible())
            search();
    });
}

FindDialog::~FindDialog() { source_.removeListener(listener_); }

void FindDialog::search()
{
    const auto query = parseSearchQuery(query_->text().toStdString());
    // The areas are searched one model at a time; the list keeps the first
    // matches only, so a search that matches everything stays quick.
    hits_.clear();
    std::size_t matches = 0;
    if (query)
        source_.visitAreas({}, [&](const GameAreas& game, int area) {
            matches += findItemsInArea(game, area, *query, hits_, listLimit_);
        });
    results_->setUpdatesEnabled(false);
    results_->clear();
    for (const SearchHit& hit : hits_) {
        const QString item = hit.item == ProblemItem::Enemy ? tr("Enemy %1").arg(hit.index) : tr("Object %1").arg(hit.index);
        new QTreeWidgetItem(results_, {QString::fromStdString(hex2(hit.area)), item,
                                       QStringLiteral("X:%1 Y:%2").arg(QString::fromStdString(hex2(hit.x)),
                                                                       QString::fromStdString(hex2(hit.y))),
                                       QString::fromStdString(hit.name)});
    }
    results_->setUpdatesEnabled(true);
    const QString count = matches == 1 ? tr("1 match") : tr("%1 matches").arg(matches);
    summary_->setText(query ? (matches > hits_.size() ? tr("%1; the first %2 are listed").arg(count).arg(hits_.size()) : count)
                            : (query_->text().trimmed().isEmpty() ? QString() : tr("Type a name, enemy NN or object NN (NN hexadecimal).")));
}

} // namespace quorled
