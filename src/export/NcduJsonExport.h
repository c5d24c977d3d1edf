#pragma once

#include <cstdint>
#include <string_view>

#include "export/ExportSink.h"
#include "scan/FolderList.h"

// Writes the tree below `root` in the JSON export format of ncdu (1.2), which ncdu and
// gdu read back with -f. Files give their nominal size as "asize" and what they occupy
// as "dsize"; folders give neither (ncdu adds up their contents), and a folder that
// could not be wholly listed says "read_error". `timestamp` is in seconds since 1970.
// False when the sink failed; the writing stops there.
bool WriteNcduJson(const TFolderList& root, std::string_view programVersion, int64_t timestamp, ExportSink& sink);
