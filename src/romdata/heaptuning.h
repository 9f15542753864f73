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

// Lets the heap grow by 128 MiB at a time and offers that stretch to the
// system for 2 MiB pages. A whole-game pass of quorled-cli over crafted
// areas of thousands of objects touches tens of MiB, and in 4 KiB pages the
// faults were more than half of its time; in 2 MiB pages they are 512
// times fewer. Where the system keeps large pages to itself nothing
// changes. Returns whether the offer was made.
bool offerLargeHeapPages();

} // namespace quorled
