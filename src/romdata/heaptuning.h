#pragma once

namespace quorled {

// Keeps the heap's pages once touched: large blocks come from the heap
// rather than from a mapping of their own, and freed memory stays with the
// process instead of going back to the system at every free. A pass that
// decodes many areas of thousands of objects then reuses the same pages
// rather than faulting in fresh ones for every area. Called first thing in
// main by both programs. Returns whether the C library took the settings
// (false where it has no such knobs).
bool keepHeapPages();

} // namespace quorled
