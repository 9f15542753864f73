#pragma once

#include <algorithm>
#include <vector>

namespace quorled {

// The items selected together in an area: 1-based object and enemy numbers,
// each list ascending without repeats. It lives in the area's model so that
// undo and redo bring back the selection of each step.
struct ItemSelection {
    std::vector<int> objects;
    std::vector<int> enemies;

    bool empty() const { return objects.empty() && enemies.empty(); }
    int size() const { return static_cast<int>(objects.size() + enemies.size()); }
    bool hasObject(int i) const { return std::binary_search(objects.begin(), objects.end(), i); }
    bool hasEnemy(int i) const { return std::binary_search(enemies.begin(), enemies.end(), i); }
    void addObject(int i) { insertSorted(objects, i); }
    void addEnemy(int i) { insertSorted(enemies, i); }
    void removeObject(int i) { std::erase(objects, i); }
    void removeEnemy(int i) { std::erase(enemies, i); }
    bool operator==(const ItemSelection&) const = default;

private:
    static void insertSorted(std::vector<int>& list, int i)
    {
        const auto at = std::lower_bound(list.begin(), list.end(), i);
        if (at == list.end() || *at != i)
            list.insert(at, i);
    }
};

} // namespace quorled
