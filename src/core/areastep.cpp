#include "areastep.h"

#include "editorcore.h"

namespace quorled {

bool AreaStep::run(EditorCore& core, const std::string& name, const Edit& edit)
{
    if (!core.hasImage())
        return false;
    // The core lends its document read-only; the history is the core's own,
    // so the step goes into that very document.
    auto& document = const_cast<AreaDocument&>(core.document());
    document.beginStep(name);
    edit(document.model(), core.view());
    const bool changed = document.commitStep();
    core.redraw(Change::EditMode);
    return changed;
}

} // namespace quorled
