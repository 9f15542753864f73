#include "areastep.h"

#include "coreedit.h"
#include "editorcore.h"

namespace quorled {

bool AreaStep::run(EditorCore& core, const std::string& name, const Edit& edit)
{
    if (!core.hasImage())
        return false;
    AreaDocument& document = CoreEdit::document(core);
    document.beginStep(name);
    edit(document.model(), core.view());
    const bool changed = document.commitStep();
    core.redraw(Change::EditMode);
    return changed;
}

} // namespace quorled
