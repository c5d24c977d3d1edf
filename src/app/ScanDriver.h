#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "app/Platform.h"
#include "app/ScanChanges.h"
#include "app/ScanReport.h"
#include "export/NcduImport.h"
#include "scan/FolderList.h"
#include "settings/Settings.h"
#include "support/FormatSettings.h"

// What a window shows of a scan as it goes; the driver tells it, in this order: the
// tree shown goes, the scan begins, what its sizes are, its tree to show (also after a
// failure, with what was scanned), the scan ends.
class ScanView {
 public:
  virtual ~ScanView() = default;
  // Nothing may point into the tree shown any more.
  virtual void TreeGoing() = 0;
  virtual void ScanBegins() = 0;
  // Whether the volume compresses files, and whether compressed sizes are counted.
  virtual void Sizes(bool compressionSupported, bool compressed) = 0;
  virtual void Scanned(TFolderList& root) = 0;
  // However the scan or the export's reading ended.
  virtual void ScanEnds() = 0;
};

// What a scan or an export's load is, from its start to its tree: the volume probed,
// the free-space entry, the walk or the export read, progress and cancel, the report,
// and the scan kept to tell what changed by the next one of the same path. One at a
// time: a request while one runs is dropped.
class ScanDriver {
 public:
  ScanDriver(Platform& platform, ScanView& view);

  // Scans the folder at `path` as the settings say. A whole drive gets its free-space
  // entry when they ask for it, and then compressed sizes where that choice is offered
  // (the settings change so). A failure of the walk goes on as the exception, after the
  // partial tree was shown. False when dropped.
  bool Scan(std::string path, TSettings& settings);
  // Reads an ncdu or gdu export and makes its tree. When the export cannot be read
  // whole, nothing changes and the error says why (a file that cannot be opened
  // throws); none also when dropped.
  std::optional<ExportError> Load(const std::string& file);
  // Ends the scan running at its next check.
  void Cancel() { cancel_ = true; }

  bool Scanning() const { return scanning_; }
  // The progress text of the scan running.
  const std::string& Progress() const { return progress_; }
  TFolderList& Root() { return root_; }
  // The export whose tree is shown, if the tree is one.
  const std::optional<std::string>& ExportShown() const { return exportFile_; }
  // The last scan's report; none before the first.
  const std::optional<ScanReport>& LastReport() const { return report_; }
  // How the last scan's report reads, with what changed since the complete scan of the
  // same path before it; none before the first scan or while one runs.
  std::optional<ReportTexts> DescribeLast(uint8_t units, const FormatSettings& locale);

 private:
  // A scan runs while one lives; however it ends, the view hears it end.
  class Running {
   public:
    explicit Running(ScanDriver& driver);
    ~Running();
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

   private:
    ScanDriver& driver_;
  };

  void KeepForChanges(const std::string& path);
  void ScanAndShow(const std::function<void(const ProgressProc&, ScanNotes&)>& scan);

  Platform& platform_;
  ScanView& view_;
  TFolderList root_;
  bool scanning_ = false;
  bool cancel_ = false;
  std::string progress_;
  std::optional<ScanReport> report_;
  std::optional<ScanSnapshot> previous_;
  std::optional<std::string> exportFile_;
};
