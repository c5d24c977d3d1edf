#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chart/PieEntries.h"
#include "scan/FolderList.h"
#include "support/FormatSettings.h"

// How a folder level is shown: the units of the numbers and the size they measure.
// The codes are those of the selectors and of the settings store; codes beyond the
// known ones (possible only from an altered store) show as bytes and nominal sizes.
enum DisplayUnitsCode : uint8_t { kUnitsBytes, kUnitsKB, kUnitsMB, kUnitsGB, kUnitsCount };
enum DisplayModeCode : uint8_t { kModeNominal, kModeAllocated, kModeSlack };

// The chart lines of a level: for each entry in the level's order, its value in the
// units (Str, "." and a fixed number of decimals), three blanks, and its name
// lower-cased, with the entry and the value the number shows attached.
std::vector<TPieLine> UsageLines(const TFolderList& level, uint8_t units, uint8_t mode);

// The texts that go with a shown level.
struct UsageTexts {
  std::array<std::string, 4> Panels;  // total, files, folders, path
  std::string Caption;                // of the window and the print job
  std::string MaxPathCaption;
  std::string MaxPathHint;
};
// An entry's size in the measure of a DisplayModeCode, in bytes (nominal for unknown codes).
double SizeOf(const TFolderData& entry, uint8_t mode);
// A size as the status bar shows a level's total: "1,205.6 KB", in bytes for a count.
std::string SizeText(double bytes, uint8_t units, const FormatSettings& locale);
// "Files: 1,234" and "Folders: 56", as the status bar shows them.
std::string FilesText(int32_t count, const FormatSettings& locale);
std::string FoldersText(int32_t count, const FormatSettings& locale);

UsageTexts LevelTexts(const TFolderList& level, uint8_t units, uint8_t mode, const FormatSettings& locale);

// The level of the folder at `path` ("C:\Data\Sub\") in the tree of `root`; none when
// the tree holds no such folder.
TFolderList* LevelAt(TFolderList& root, std::string_view path);

// Where opening an entry leads: its sub-folder's level, else the level above the one
// that holds it; none at the root.
TFolderList* LevelToOpen(const TFolderData* entry);

// The hint of a list line: its text from the first blank on (the name), trimmed.
std::string ListLineHint(std::string_view line);
