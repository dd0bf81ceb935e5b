// How the process keeps memory between the months of a run.
#pragma once

namespace quillon {

// A run frees and takes again the same large buffers month after month (the
// file's bytes, a month's tables, the rows of a workbook piece). Handed back
// to the system each time, every page is faulted in anew, and on several
// threads each hand-back stops the other cores too; kept, it is reused.
// Affects the whole process; harmless to call more than once.
void KeepFreedMemoryForReuse();

}  // namespace quillon
