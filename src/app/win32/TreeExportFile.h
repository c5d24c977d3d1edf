#pragma once

#include <string>

#include "app/ExportCommand.h"
#include "scan/FolderList.h"

// Writes the whole tree below `root` to the file at `path` (UTF-8) in `format`; the
// file is replaced only once all of it is written. What failed, naming the file and the
// cause; empty when the file was written.
std::string WriteTreeFile(const TFolderList& root, const std::string& path, TreeFormat format);
