#pragma once

#include "core/workbench/gameareas.h"

#include <string>
#include <vector>

namespace quorled {

enum class Severity { Error, Warning, Note };

// "error", "warning", "note".
const char* severityName(Severity severity);

// What a problem points at inside its area.
enum class ProblemItem { None, Object, Enemy };

// One thing that is probably wrong. `area` is -1 for the game-wide tables;
// `index` is the 1-based object or enemy number when `item` names one.
struct Problem {
    Severity severity = Severity::Error;
    std::string rule;
    int area = -1;
    ProblemItem item = ProblemItem::None;
    int index = 0;
    std::string text;
    bool operator==(const Problem&) const = default;
};

// One check: its id, severity and what it looks for. `checkArea` looks at
// one area, `checkGame` at the game-wide tables; a rule has one of them.
struct ProblemRule {
    const char* id;
    Severity severity;
    const char* summary;
    void (*checkArea)(const GameAreas& game, int area, std::vector<Problem>& out);
    void (*checkGame)(const GameAreas& game, std::vector<Problem>& out);
};

// The rules, errors first, then warnings and notes.
const std::vector<ProblemRule>& problemRules();

// The problems of one area, in rule order.
std::vector<Problem> checkArea(const GameAreas& game, int area);
// The problems of the game-wide tables.
std::vector<Problem> checkGameTables(const GameAreas& game);
// Everything: the game-wide tables first, then area by area.
std::vector<Problem> checkGame(const GameAreas& game);

// The most enemies one enemy page can hold.
inline constexpr int kMaxEnemiesPerPage = 124;

} // namespace quorled
