#pragma once

namespace quorled {

// How the level view is scrolled and what it shows. The defaults are those
// of a first start.
struct ViewState {
    int viewColumn = 0;             // area column at the left edge (horizontal areas)
    int viewRow = 0;                // area row at the top edge (vertical areas)
    int groundView = 1;             // 0 no ground, 1 ground above objects, 2 behind
    int pageView = 0;               // 1 draws page separators and hatching
    int screenLineView = 0;         // 1 draws screen lines in vertical areas
    int objectMarks = 0;            // 1 draws object and enemy marks
    bool pointersFollowDoors = true;
    bool showPointersAsObjects = false;
    bool grid = false;              // draws the cell grid
    int editMode = 0;               // 0 objects, 1 enemies
};

} // namespace quorled
