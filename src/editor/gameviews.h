#pragma once

#include "core/document/change.h"
#include "core/workbench/problemrules.h"

#include <QObject>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;

namespace quorled {

class EditorCore;
class EditorGameAreas;
class FindDialog;
class MainWindow;
class OverviewWindow;
class ProblemsDock;

// The whole-game views of the main window and their commands: "Game
// overview" and "Problems" in "&Window", "Find..." in "&Edit", "Go to
// destination" and "Back" in "&Levels", and the door's destination in the
// read-outs. The window hands it every change the core reports.
class GameViews : public QObject {
    Q_OBJECT
public:
    GameViews(EditorCore& core, MainWindow& window);
    ~GameViews() override;

    void follow(ChangeSet changes);

    // Opens an area (asking first about unsaved edits) and selects an item.
    void showItem(int area, ProblemItem item, int index);
    // Opens the area the selected door or pointer leads to, on its page.
    void goToDestination();
    // Back to where the last "Go to destination" started.
    void goBack();
    void showOverview();
    void showFind();
    // The areas of the image at `imagePath` that differ from a compared
    // image; the overview marks them while that image is the one open.
    void setComparedAreas(std::string imagePath, std::vector<int> areas);

    QAction* goAction() const { return go_; }
    QAction* backAction() const { return back_; }
    QAction* overviewAction() const { return overviewAction_; }
    QAction* findAction() const { return findAction_; }
    ProblemsDock* problems() const { return problems_; }
    OverviewWindow* overview() const { return overview_; }
    FindDialog* findDialog() const { return find_; }
    QLabel* propertiesLink() const { return propertiesLink_; }
    const EditorGameAreas& source() const { return *source_; }

private:
    struct Place {
        int area;
        int viewColumn;
        int viewRow;
    };
    bool openArea(int area);
    std::vector<int> comparedAreasNow() const;
    void showLink();

    EditorCore& core_;
    MainWindow& window_;
    std::unique_ptr<EditorGameAreas> source_;
    std::vector<Place> backStack_;
    QAction* go_ = nullptr;
    QAction* back_ = nullptr;
    QAction* overviewAction_ = nullptr;
    QAction* findAction_ = nullptr;
    ProblemsDock* problems_ = nullptr;
    OverviewWindow* overview_ = nullptr;
    FindDialog* find_ = nullptr;
    QLabel* propertiesLink_ = nullptr;
    std::string comparedImage_;
    std::vector<int> comparedAreas_;
};

} // namespace quorled
