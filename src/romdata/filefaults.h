#pragma once

namespace quorled {

// Faults that tests make the file layer run into, to check that a failed
// write leaves the old file as it was and reaches the user as a message.
struct FileFaults {
    int failWriteNumber = 0; // fail the N-th write call (1-based); 0 never
    bool failRename = false;
    bool diskFull = false;   // every write reports that the disk is full
};

// Installs faults for the writes that follow; clearFileFaults removes them.
void injectFileFaults(const FileFaults& faults);
void clearFileFaults();
const FileFaults& activeFileFaults();

} // namespace quorled
