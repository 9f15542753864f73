#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace quorled {

class EditorCore;

// The window's part of the space commands of "O&bjects" and "&Levels":
// opens their dialogs and prompts and shows their messages; the rules are
// SpaceTools'. Each does nothing without an image.
void showTotalFreeSpace(QWidget* window, EditorCore& core); // "See &total free space available"
void moveLevelData(QWidget* window, EditorCore& core);      // "Move &level data ..."
void moveEnemyData(QWidget* window, EditorCore& core);      // "Move &enemy data ..."
void dumpLevelData(QWidget* window, EditorCore& core);      // "&Dump level data ..."
// "&Insert level data ...". While it writes the image, `failureTitle`
// holds "Error!", the title under which the window shows a failed write.
void insertLevelData(QWidget* window, EditorCore& core, std::optional<QString>& failureTitle);

} // namespace quorled
