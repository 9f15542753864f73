#pragma once

#include <string>

namespace quorled {

class EditorCore;

// "Sa&ve image as...": the image, with the area's edits saved into it, is
// written to another file, and the editor goes on with that file (the way
// out for a read-only image). The target must not be the open image itself
// and must keep its kind (the kind follows from the name); an existing
// target is backed up first, as any image is before its first write.
class ImageSaveAs {
public:
    // False, with the reason as the core's message or notice (a save that
    // does not fit its room), when nothing was written.
    static bool run(EditorCore& core, const std::string& target);
};

} // namespace quorled
