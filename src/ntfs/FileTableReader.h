#pragma once

#include <functional>
#include <memory>

#include "ntfs/ByteSource.h"
#include "ntfs/FileTable.h"

namespace ntfs {

// Reads the whole file table of the NTFS volume `volume` holds: the boot sector, then
// $MFT as its own runs lay it out, in reads of a few megabytes, then the upper-case
// table. `progress` hears the share read so far (0 to 1) at least every 50 ms, and may
// set `cancel`, which ends the reading. Nothing when the volume is no NTFS volume of a
// version these rules know, when anything read is in doubt, or when cancelled.
std::unique_ptr<FileTable> ReadFileTable(ByteSource& volume, const std::function<void(double)>& progress,
                                         const bool& cancel);

}  // namespace ntfs
