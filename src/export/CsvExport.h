#pragma once

#include "export/ExportSink.h"
#include "scan/FolderList.h"

// Writes the tree below `root` as CSV (RFC 4180: UTF-8 with a byte-order mark, CRLF
// line ends), one row per file and folder, depth first in the tree's order: a folder's
// row, then its contents. The first row is the root's, with the totals of all below it.
// Columns: Path (full, folders without a trailing backslash), Kind ("file" or
// "folder"), Nominal, Allocated and Slack in bytes, and for folders the files and
// folders in the whole sub-tree. False when the sink failed; the writing stops there.
bool WriteTreeCsv(const TFolderList& root, ExportSink& sink);
