#include "problemsdock.h"

#include "core/workbench/gameareas.h"
#include "romdata/bytes.h"

#include <algorithm>
#include <functional>
#include <utility>

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
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

// The rows of the list, made when the view asks for them: an image can have
// tens of thousands of problems, and an item of its own for each took most
// of a second to build.
class ProblemsDock::Rows : public QAbstractTableModel {
public:
    Rows(const std::vector<Problem>& problems, const QIcon (&icons)[3], QObject* parent)
        : QAbstractTableModel(parent), problems_(problems), icons_{icons[0], icons[1], icons[2]}
    {
    }
    // Makes `change` to the problems, telling the view that every row may
    // have changed.
    void reset(const std::function<void()>& change)
    {
        beginResetModel();
        change();
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(problems_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 4; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const Problem& p = problems_[static_cast<std::size_t>(index.row())];
        if (role == Qt::DecorationRole && index.column() == 0)
            return icons_[static_cast<int>(p.severity)];
        if (role == Qt::ToolTipRole && index.column() == 3)
            return QString::fromStdString(p.text);
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case 0: return severityText(p.severity);
        case 1: return p.area < 0 ? ProblemsDock::tr("tables") : QString::fromStdString(hex2(p.area));
        case 2: return itemText(p.item, p.index);
        default: return QString::fromStdString(p.text);
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 3)
            return {};
        const QString titles[4] = {ProblemsDock::tr("Severity"), ProblemsDock::tr("Area"), ProblemsDock::tr("Item"),
                                   ProblemsDock::tr("Problem")};
        return titles[section];
    }

private:
    const std::vector<Problem>& problems_;
    QIcon icons_[3];
};

ProblemsDock::ProblemsDock(GameAreaSource& source, QWidget* parent)
    : QDockWidget(tr("Problems"), parent), source_(source)
{
    setObjectName(QStringLiteral("problemsDock"));
    auto* body = new QWidget(this);
    summary_ = new QLabel(body);
    summary_->setObjectName(QStringLiteral("problemsSummary"));
    list_ = new QTreeView(body);
    list_->setObjectName(QStringLiteral("problemsList"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    const QIcon icons[3] = {style()->standardIcon(QStyle::SP_MessageBoxCritical),
                            style()->standardIcon(QStyle::SP_MessageBoxWarning),
                            style()->standardIcon(QStyle::SP_MessageBoxInformation)};
    rows_ = new Rows(shown_, icons, this);
    list_->setModel(rows_);
    list_->header()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    setWidget(body);

    connect(list_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        const int row = index.isValid() ? index.row() : -1;
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
    // The areas left after a slice are checked once the events waiting are in.
    sliceTimer_ = new QTimer(this);
    sliceTimer_->setSingleShot(true);
    sliceTimer_->setInterval(0);
    connect(sliceTimer_, &QTimer::timeout, this, &ProblemsDock::checkSlice);
    listener_ = source_.addListener([this](int area) { sourceChanged(area); });
    // Checked when first shown.
    pendingAll_ = true;
}

ProblemsDock::~ProblemsDock() { source_.removeListener(listener_); }

void ProblemsDock::sourceChanged(int area)
{
    if (area < 0)
        pendingAll_ = true;
    else
        pendingAreas_.insert(area);
    // A hidden dock checks when it is shown again.
    if (isVisible() && !refreshTimer_->isActive())
        refreshTimer_->start();
}

void ProblemsDock::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    if (pendingAll_ || !pendingAreas_.empty())
        refresh();
    else if (checking())
        checkSlice();
}

void ProblemsDock::refresh()
{
    refreshTimer_->stop();
    if (!isVisible())
        return;
    const GameAreas& heads = source_.heads();
    if (pendingAll_ || byArea_.size() != heads.areas.size()) {
        byArea_.assign(heads.areas.size(), {});
        slices_.clear();
        slices_.addAll(static_cast<int>(heads.areas.size()));
    } else {
        for (const int area : pendingAreas_)
            if (area < static_cast<int>(heads.areas.size()))
                slices_.add(area);
    }
    pendingAll_ = false;
    pendingAreas_.clear();
    checkSlice();
}

void ProblemsDock::checkSlice()
{
    if (!isVisible())
        return;
    const bool done = slices_.run(source_, [this](const GameAreas& game, int area) {
        if (area < static_cast<int>(byArea_.size()))
            byArea_[static_cast<std::size_t>(area)] = checkArea(game, area);
    });
    if (!done) {
        summary_->setText(tr("Checking... %1 of %2 areas left").arg(slices_.left()).arg(byArea_.size()));
        sliceTimer_->start();
        return;
    }
    tables_ = checkGameTables(source_.heads());
    ++refreshes_;
    fill();
}

void ProblemsDock::fill()
{
    // Errors first, then warnings, then notes; each by area.
    std::vector<Problem> list;
    int counts[3] = {0, 0, 0};
    const auto each = [&](const auto& take) {
        for (const Problem& p : tables_)
            take(p);
        for (const auto& problems : byArea_)
            for (const Problem& p : problems)
                take(p);
    };
    each([&](const Problem& p) { ++counts[static_cast<int>(p.severity)]; });
    list.reserve(static_cast<std::size_t>(counts[0] + counts[1] + counts[2]));
    for (const Severity severity : {Severity::Error, Severity::Warning, Severity::Note})
        each([&](const Problem& p) {
            if (p.severity == severity)
                list.push_back(p);
        });
    rows_->reset([&] { shown_ = std::move(list); });
    summary_->setText(tr("%1 errors, %2 warnings, %3 notes").arg(counts[0]).arg(counts[1]).arg(counts[2]));
}

} // namespace quorled
