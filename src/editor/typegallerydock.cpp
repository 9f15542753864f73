#include "typegallerydock.h"

#include "carriedart.h"
#include "typedrop.h"

#include "assets/imageconversion.h"
#include "core/session/editorcore.h"
#include "core/editing/groupcommands.h"
#include "core/forms/typegallery.h"
#include "romdata/bytes.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStyleHints>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace quorled {

namespace {

constexpr int kTypeRole = Qt::UserRole;
constexpr int kCellSpacing = 4;

// A gallery whose cells drag out as type drops for the level view.
class TypeGrid : public QListWidget {
public:
    TypeGrid(TypeKind kind, QWidget* parent) : QListWidget(parent), kind_(kind) {}

protected:
    QStringList mimeTypes() const override { return {QString::fromLatin1(typeDropMimeType())}; }
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override
    {
        if (items.isEmpty())
            return nullptr;
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(typeDropMimeType()),
                      encodeTypeDrop(kind_ == TypeKind::Enemy, items.front()->data(kTypeRole).toInt()));
        return data;
    }

private:
    TypeKind kind_;
};

} // namespace

TypeGalleryDock::TypeGalleryDock(EditorCore& core, QWidget* parent)
    : QDockWidget(tr("Types"), parent), core_(core), pictures_(std::make_unique<TypePictures>(carriedPictures()))
{
    setObjectName(QStringLiteral("typeGalleryDock"));
    clickTimer_ = new QTimer(this);
    clickTimer_->setSingleShot(true);
    connect(clickTimer_, &QTimer::timeout, this, &TypeGalleryDock::applyPendingClick);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("typeTabs"));
    tabs_->addTab(buildPage(TypeKind::Object), tr("Objects"));
    tabs_->addTab(buildPage(TypeKind::Enemy), tr("Enemies"));
    setWidget(tabs_);
}

TypeGalleryDock::~TypeGalleryDock() = default;

QWidget* TypeGalleryDock::buildPage(TypeKind kind)
{
    const bool objects = kind == TypeKind::Object;
    auto* widget = new QWidget(this);
    Page& p = page(kind);
    p.filter = new QLineEdit(widget);
    p.filter->setObjectName(objects ? QStringLiteral("objectFilter") : QStringLiteral("enemyFilter"));
    p.filter->setPlaceholderText(tr("Filter by name"));
    p.filter->setClearButtonEnabled(true);
    p.grid = new TypeGrid(kind, widget);
    p.grid->setObjectName(objects ? QStringLiteral("objectGallery") : QStringLiteral("enemyGallery"));
    p.grid->setViewMode(QListView::IconMode);
    p.grid->setIconSize(QSize(TypePictures::kSize, TypePictures::kSize));
    p.grid->setResizeMode(QListView::Adjust);
    p.grid->setMovement(QListView::Static);
    p.grid->setSpacing(kCellSpacing);
    p.grid->setUniformItemSizes(true);
    p.grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // A cell dragged into the level view places a new item of its type.
    p.grid->setDragEnabled(true);
    p.grid->setDragDropMode(QAbstractItemView::DragOnly);
    // Keys stay with the level view, as for the window's buttons.
    p.grid->setFocusPolicy(Qt::NoFocus);
    connect(p.filter, &QLineEdit::textChanged, this, [this, kind] { fill(kind); });
    // The first click of a double-click comes as a click too: it waits for
    // the double-click time, so that a double-click only places.
    connect(p.grid, &QListWidget::itemClicked, this, [this, kind](QListWidgetItem* item) {
        clickKind_ = kind;
        clickType_ = item->data(kTypeRole).toInt();
        clickTimer_->start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    });
    connect(p.grid, &QListWidget::itemDoubleClicked, this, [this, kind](QListWidgetItem* item) {
        clickTimer_->stop();
        GroupCommands::placeType(core_, kind == TypeKind::Enemy, item->data(kTypeRole).toInt(),
                                 GroupCommands::viewCentre(core_));
        highlight(TypeKind::Object);
        highlight(TypeKind::Enemy);
    });
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(p.filter);
    layout->addWidget(p.grid, 1);
    return widget;
}

void TypeGalleryDock::applyPendingClick()
{
    if (!TypeGallery::applyType(core_, clickKind_, clickType_))
        highlight(clickKind_);
}

void TypeGalleryDock::follow(ChangeSet changes)
{
    if (!core_.hasImage() || !(changes.has(Change::Picture) || changes.has(Change::Readouts)))
        return;
    const int objectSet = core_.area().header.objectSet();
    if (pictures_->follow(core_.area(), core_.directory().worldFirstArea, core_.palettes())) {
        for (TypeKind kind : {TypeKind::Object, TypeKind::Enemy}) {
            Page& p = page(kind);
            for (int type = 0; type < TypeGallery::kTypes; ++type)
                p.icons[static_cast<std::size_t>(type)] =
                    QIcon(QPixmap::fromImage(assets::imageFromPicture(pictures_->picture(kind, type))));
        }
        objectSet_ = objectSet;
        fill(TypeKind::Object);
        fill(TypeKind::Enemy);
        return;
    }
    highlight(TypeKind::Object);
    highlight(TypeKind::Enemy);
}

void TypeGalleryDock::fill(TypeKind kind)
{
    Page& p = page(kind);
    const QSignalBlocker blocker(p.grid);
    p.grid->clear();
    const int objectSet = std::max(objectSet_, 0);
    for (int type : TypeGallery::matchingTypes(kind, objectSet, p.filter->text().toStdString())) {
        auto* item = new QListWidgetItem(p.icons[static_cast<std::size_t>(type)], QString::fromStdString(hex2(type)));
        item->setData(kTypeRole, type);
        item->setToolTip(QString::fromStdString(TypeGallery::typeName(kind, objectSet, type)));
        p.grid->addItem(item);
    }
    highlight(kind);
}

void TypeGalleryDock::highlight(TypeKind kind)
{
    Page& p = page(kind);
    const QSignalBlocker blocker(p.grid);
    const std::optional<int> type =
        core_.hasImage() ? TypeGallery::selectedType(core_.area(), kind, core_.view().showPointersAsObjects)
                         : std::nullopt;
    p.grid->setEnabled(type.has_value());
    p.grid->clearSelection();
    for (int row = 0; type && row < p.grid->count(); ++row) {
        QListWidgetItem* item = p.grid->item(row);
        if (item->data(kTypeRole).toInt() == *type) {
            item->setSelected(true);
            p.grid->setCurrentItem(item);
            p.grid->scrollToItem(item);
            break;
        }
    }
}

} // namespace quorled
