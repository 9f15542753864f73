#pragma once

class QWidget;

namespace quorled {

// Start-up timing for scripts/bench. Only when the environment variable
// QUORLED_STARTUP_REPORT is set does the editor note the time of each
// start-up step; at the level view's first paint it prints them to standard
// error, counted from the process start, and quits. The variable may hold the
// launcher's clock (nanoseconds since the epoch, as `date +%s%N` prints);
// otherwise the start comes from the kernel's record of the process, which
// is only as fine as the clock tick.
namespace startupprobe {

bool enabled();
// Notes that the step ending now is done.
void mark(const char* step);
// Reports and quits once the view has painted for the first time.
void watchFirstPaint(QWidget* view);

} // namespace startupprobe

} // namespace quorled
