#include "problemsdock.h"

#include "core/workbench/gameareas.h"
#include "romdata/bytes.h"

#include <algorithm>

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorled {

namespace {

QString severityText(Severity severity)
{
    switch (severity) {
    case Severity::Error: return ProblemsDock::tr("Error");
    case Severity::Warning: return ProblemsDock::tr("Warning");
    case Severity::Note: return ProblemsDock::tr("Note");
    }
    return {};
}

QString itemText(ProblemItem item, int index)
{
    switch (item) {
    case ProblemItem::Object: return ProblemsDock::tr("Object %1").arg(index);
    case ProblemItem::Enemy: return ProblemsDock::tr("Enemy %1").arg(index);
    case ProblemItem::None: break;
    }
    return {};
}

} // namespace

ProblemsDock::ProblemsDock(GameAreaSource& source, QWidget* parent)
    : QDockWidget(tr("Problems"), parent), source_(source)
{
    setObjectName(QStringLiteral("problemsDock"));
    auto* body = new QWidget(this);
    summary_ = new QLabel(body);
    summary_->setObjectName(QStringLiteral("problemsSummary"));
    list_ = new QTreeWidget(body);
    list_->setObjectName(QStringLiteral("problemsList"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Severity"), tr("Area"), tr("Item"), tr("Problem")});
    list_->header()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    setWidget(body);

    connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const int row = list_->indexOfTopLevelItem(item);
        if (row < 0 || row >= static_cast<int>(shown_.size()))
            return;
        const Problem& p = shown_[static_cast<std::size_t>(row)];
        if (p.area >= 0)
            emit problemChosen(p.area, p.item, p.index);
    });
    // A burst of edits (a held key, a drag) is checked once, when the
    // timer first started by it runs out.
    refreshTimer_ = new QTimer(this);
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(kRefreshDelayMs);
    connect(refreshTimer_, &QTimer::timeout, this, &ProblemsDock::refresh);
    listener_ = source_.addListener([this](int area) { sourceChanged(area); });
    pendingAll_ = true;
    refresh();
}

ProblemsDock::~ProblemsDock() { source_.removeListener(listener_); }

void ProblemsDock::sourceChanged(int area)
{
    if (area < 0)
        pendingAll_ = true;
    else
        pendingAreas_.insert(area);
    if (!refreshTimer_->isActive())
        refreshTimer_->start();
}

void ProblemsDock::refresh()
{
    refreshTimer_->stop();
    const GameAreas& game = source_.areas();
    if (pendingAll_ || byArea_.size() != game.areas.size()) {
        byArea_.assign(game.areas.size(), {});
        for (int a = 0; a < static_cast<int>(game.areas.size()); ++a)
            byArea_[static_cast<std::size_t>(a)] = checkArea(game, a);
    } else {
        for (const int area : pendingAreas_)
            if (area < static_cast<int>(game.areas.size()))
                byArea_[static_cast<std::size_t>(area)] = checkArea(game, area);
    }
    pendingAll_ = false;
    pendingAreas_.clear();
    tables_ = checkGameTables(game);
    ++refreshes_;
    fill();
}

void ProblemsDock::fill()
{
    shown_ = tables_;
    for (const auto& problems : byArea_)
        shown_.insert(shown_.end(), problems.begin(), problems.end());
    // Errors first, then warnings, then notes; each by area.
    std::stable_sort(shown_.begin(), shown_.end(),
                     [](const Problem& a, const Problem& b) { return a.severity < b.severity; });
    int counts[3] = {0, 0, 0};
    list_->setUpdatesEnabled(false);
    list_->clear();
    const QIcon icons[3] = {style()->standardIcon(QStyle::SP_MessageBoxCritical),
                            style()->standardIcon(QStyle::SP_MessageBoxWarning),
                            style()->standardIcon(QStyle::SP_MessageBoxInformation)};
    for (const Problem& p : shown_) {
        const int s = static_cast<int>(p.severity);
        ++counts[s];
        auto* item = new QTreeWidgetItem(list_, {severityText(p.severity),
                                                 p.area < 0 ? tr("tables") : QString::fromStdString(hex2(p.area)),
                                                 itemText(p.item, p.index), QString::fromStdString(p.text)});
        item->setIcon(0, icons[s]);
        item->setToolTip(3, QString::fromStdString(p.text));
    }
    list_->setUpdatesEnabled(true);
    summary_->setText(tr("%1 errors, %2 warnings, %3 notes").arg(counts[0]).arg(counts[1]).arg(counts[2]));
}

} // namespace quorled
