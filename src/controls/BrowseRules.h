#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// What the folder browse dialog decides without the shell.

// The folder at the top of the browser's tree.
enum class TRootID {
  idDesktop, idInternet, idPrograms, idControlPanel, idPrinters, idPersonal, idFavorites, idStartup,
  idRecent, idSendTo, idRecycleBin, idStartMenu, idDesktopDirectory, idDrives, idNetwork, idNetHood,
  idFonts, idTemplates, idCommonStartMenu, idCommonPrograms, idCommonStartup, idCommonDesktopDirectory,
  idAppData, idPrintHood, idDesktopExpanded
};

// The shell's special-folder code of a root; on the Windows 9x family the common
// folders stand for their per-user counterparts.
int RootFolderCode(TRootID root, bool ntFamily);

enum TBrowseFlag {
  bfDirectoriesOnly, bfDomainOnly, bfAncestors, bfComputers, bfPrinters, bfIncludeFiles, bfEditBox,
  bfIncludeURLs, bfNewDialogStyle, bfShareable, bfUseNewUI
};

// A set of browse flags.
class TBrowseFlags {
 public:
  TBrowseFlags() = default;
  TBrowseFlags(std::initializer_list<TBrowseFlag> flags) {
    for (const TBrowseFlag flag : flags) bits_ |= Bit(flag);
  }
  bool Contains(TBrowseFlag flag) const { return (bits_ & Bit(flag)) != 0; }
  void Add(TBrowseFlag flag) { bits_ |= Bit(flag); }
  bool operator==(const TBrowseFlags&) const = default;
  // The shell's flag values of the members, ORed.
  uint32_t ShellValue() const;

 private:
  static uint16_t Bit(TBrowseFlag flag) { return static_cast<uint16_t>(1u << flag); }
  uint16_t bits_ = 0;
};

// What setting the options stores: URLs bring files and the new interface, shareable
// brings the new interface, and the new interface brings the edit box and new style.
TBrowseFlags CompletedOptions(TBrowseFlags options);

// The flags handed to the shell: the options, validation with an edit box, and a
// status line when there is something to show in it.
uint32_t ShellBrowseFlags(TBrowseFlags options, bool hasStatusText, bool showSelectionInStatus);

// Whether a text names an existing folder: a drive root ("C:\") when its drive is in
// the logical drive mask (A = bit 0), anything else when a directory search for it,
// less one trailing backslash, finds a directory.
bool IsExistingFolder(std::string_view text, uint32_t logicalDrives,
                      const std::function<bool(const std::string&)>& directoryExists);

// A new selection as stored: an existing folder gets a trailing backslash.
std::string NormalisedSelection(std::string_view selection, const std::function<bool(std::string_view)>& isFolder);

// A local path as the browser takes it: "C:" becomes "C:\", "C:\" stays, and any other
// path loses a trailing backslash (a lone "\" keeps it).
std::string SelectionForBrowser(std::string_view selection);

// The status text shortened until `width(text)` is at most `available`: a folder path
// loses whole folders from its front ("C:\...\drivers\") and then its drive; any
// other text loses characters from its end, marked by "...".
std::string FittedStatusText(std::string_view text, bool isFolder, int available,
                             const std::function<int(std::string_view)>& width);
