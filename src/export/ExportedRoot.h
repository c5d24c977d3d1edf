#pragma once

#include <string>

#include "scan/FolderList.h"

// The root's name in an export: the scanned path without its trailing separator, except
// for a drive's root, which stays whole ("C:" would name the drive's current folder).
std::string ExportedRootName(const TFolderList& root);
