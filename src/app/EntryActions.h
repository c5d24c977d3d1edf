#pragma once

#include <string>

#include "scan/FolderList.h"
#include "support/EnumSet.h"
#include "support/FormatSettings.h"

// What the user may do with an entry of the tree from its context menu.
enum class EntryAction : uint8_t { Open, ShowInExplorer, CopyPath, Recycle };
using EntryActions = EnumSet<EntryAction>;

// Where an entry stands: whether a scan runs, and whether the tree came from an export
// (no file is behind its entries).
struct EntryContext {
  bool Scanning = false;
  bool FromExport = false;
};

// The actions offered for an entry: none for "..", the free-space entry or while a scan
// runs; only Copy Path for an export's entries.
EntryActions OfferedActions(const TFolderData& entry, const EntryContext& context);

// The entry's full path: "C:\Data\file.txt", "C:\Data\Sub" for a folder.
std::string EntryPath(const TFolderData& entry);

// The question asked before an entry goes to the Recycle Bin: its path, its size in the
// units shown and, for a folder, how many files and folders it holds below it.
std::string RecycleQuestion(const TFolderData& entry, uint8_t units, uint8_t mode, const FormatSettings& locale);
