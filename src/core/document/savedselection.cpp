#include "core/document/savedselection.h"

#include "romdata/areawriter.h"

namespace quorled {

namespace {

// Tags are put where the save's sorts never look (an object's first
// parameter, an enemy's type above its low eight bits) and found again in
// the stream order the save writes and the reload reads back.
constexpr int kTag = 0x100000;

} // namespace

SavedSelection selectionAfterSave(const AreaModel& model)
{
    SavedSelection selection{model.selectedObject, model.selectedEnemy};
    AreaModel tagged = model;
    for (int i = 1; i <= tagged.objCount(); ++i)
        tagged.object(i).param[0] = kTag + i;
    for (int i = 1; i <= tagged.enemyCount(); ++i)
        tagged.enemy(i).type = kTag + i;
    const EncodedArea encoded = encodeForSave(tagged);
    if (encoded.problem)
        return selection;
    const AreaModel& stream = encoded.stream;
    for (int i = 1; i <= stream.objCount(); ++i)
        if (stream.object(i).param[0] == kTag + model.selectedObject)
            selection.object = i;
    for (int i = 1; i <= stream.enemyCount(); ++i)
        if (stream.enemy(i).type == kTag + model.selectedEnemy)
            selection.enemy = i;
    return selection;
}

} // namespace quorled
