#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/ScanChanges.h"
#include "scan/FolderList.h"
#include "scan/ScanNotes.h"
#include "scan/VolumeApi.h"
#include "scan/VolumeProbe.h"
#include "support/DateTimeFormat.h"
#include "support/FormatSettings.h"

// The files of a tree that it shows under more than one name, and what it shows more
// than once for them; and how many files came without a link count.
struct HardLinkFigures {
  int64_t Files = 0;
  int64_t Names = 0;
  double Nominal = 0;
  double Allocated = 0;
  uint64_t FilesNotTold = 0;
};
HardLinkFigures CountHardLinks(const TFolderList& root);

// Why a folder could not be listed (a ListingOutcome), as the report says it.
std::string ListingFailureText(uint32_t outcome);

// What one scan found besides its tree.
struct ScanReport {
  std::string Path;
  DateTime Started;
  double Seconds = 0;
  bool Cancelled = false;
  int32_t Files = 0;
  int32_t Folders = 0;
  double Nominal = 0;
  double Allocated = 0;
  double Slack = 0;
  std::optional<VolumeSpace> Volume;  // for a scan of a whole drive
  ScanNotes Notes;
  HardLinkFigures Links;
  bool FromExport = false;  // an export read, not a scan
  uint64_t LeftOut = 0;     // of an export read: entries whose names no Windows folder can hold
};

// A line of a list of the report, and the folder it names ("" for none in the tree).
struct ReportLine {
  std::string Text;
  std::string Folder;
};

// How the report reads: sizes in the units chosen in the main window, numbers grouped
// as in the status bar.
struct ReportTexts {
  std::vector<std::string> Summary;
  std::string UnreadableTitle;
  std::vector<ReportLine> Unreadable;  // path, and why
  std::string NotEnteredTitle;
  std::vector<ReportLine> NotEntered;  // path, and what kind of link
  std::vector<std::string> NoCompressedSize;
  std::vector<std::string> ChangesSummary;
  std::vector<ReportLine> Grown;
  std::vector<ReportLine> Shrunk;
};

// `changes`: what changed since the previous complete scan of the path, if there was
// one. `volumes` tells a volume mount point from a junction.
ReportTexts DescribeScan(const ScanReport& report, const std::optional<ScanChanges>& changes, uint8_t units,
                         const FormatSettings& locale, VolumeApi& volumes);

// The whole report as the text saved: its sections one after another, UTF-8, lines
// ended by CR LF.
std::string ReportText(const ReportTexts& texts);
