#pragma once

#include "core/document/change.h"
#include "view/typepictures.h"

#include <QDockWidget>
#include <QIcon>

#include <array>
#include <memory>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTimer;

namespace quorled {

class EditorCore;

// The dockable "Types" panel: a picture grid of the 256 object types of the
// current object set and one of the 256 enemy types, each with a filter box
// on the names. A click gives the selected object or enemy that type once
// the double-click time has passed without a second click; a double-click
// places a new item of the type instead, leaving the selection's type as it
// was. The selection's type is the highlighted cell.
class TypeGalleryDock : public QDockWidget {
    Q_OBJECT
public:
    TypeGalleryDock(EditorCore& core, QWidget* parent = nullptr);
    ~TypeGalleryDock() override;

    // Redraws the pictures when the area's colours or object set changed,
    // and highlights the selection's type.
    void follow(ChangeSet changes);

    QListWidget* grid(TypeKind kind) const { return page(kind).grid; }
    QLineEdit* filter(TypeKind kind) const { return page(kind).filter; }
    QTabWidget* tabs() const { return tabs_; }

private:
    struct Page {
        QLineEdit* filter = nullptr;
        QListWidget* grid = nullptr;
        std::array<QIcon, 256> icons;
    };

    const Page& page(TypeKind kind) const { return pages_[kind == TypeKind::Object ? 0 : 1]; }
    Page& page(TypeKind kind) { return pages_[kind == TypeKind::Object ? 0 : 1]; }
    QWidget* buildPage(TypeKind kind);
    void fill(TypeKind kind);
    void highlight(TypeKind kind);
    void applyPendingClick();

    EditorCore& core_;
    std::unique_ptr<TypePictures> pictures_;
    std::array<Page, 2> pages_;
    QTabWidget* tabs_ = nullptr;
    int objectSet_ = -1;
    // A click waiting to see whether it becomes a double-click.
    QTimer* clickTimer_ = nullptr;
    TypeKind clickKind_ = TypeKind::Object;
    int clickType_ = 0;
};

} // namespace quorled
