#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "ntfs/ByteSource.h"
#include "ntfs/FileTable.h"

namespace ntfs {

// Reads the whole file table of the NTFS volume `volume` holds: the boot sector, then
// $MFT as its own runs lay it out, in reads of a few megabytes, then the upper-case
// table. `progress` hears the share read so far (0 to 1) before the first read and then
// before any read that comes 40 ms or more after it last heard, and may set `cancel`,
// which ends the reading before the next read. Nothing when the volume is no NTFS volume of a version these rules know, when
// anything read is in doubt or lies beyond the volume, when the table is more than
// this process can hold, or when cancelled.
std::unique_ptr<FileTable> ReadFileTable(ByteSource& volume, const std::function<void(double)>& progress,
                                         const bool& cancel);

// How many bytes ReadFileTable would read of the table, from the boot sector and the
// table's own first record: a few kilobytes read. Nothing where it would read none.
std::optional<uint64_t> FileTableBytes(ByteSource& volume);

}  // namespace ntfs
