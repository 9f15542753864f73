#include "core/document/areastep.h"

#include "core/session/editorcore.h"

namespace quorled {

bool AreaStep::run(EditorCore& core, const std::string& name, const Edit& edit, bool merge)
{
    if (!core.hasImage())
        return false;
    ImageDocument& document = core.document();
    document.beginStep(name);
    edit(core.area(), core.view());
    const bool changed = document.commitStep(merge);
    core.redraw(Change::EditMode);
    return changed;
}

} // namespace quorled
