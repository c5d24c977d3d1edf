#include "app/ScanDriver.h"

#include <chrono>
#include <exception>
#include <new>

#include "app/TreeScan.h"
#include "app/UsageView.h"
#include "export/ExportListing.h"
#include "scan/VolumeProbe.h"
#include "support/FilePaths.h"

ScanDriver::ScanDriver(Platform& platform, ScanView& view) : platform_(platform), view_(view) {}

bool ScanDriver::Scan(std::string path, TSettings& settings) {
  if (scanning_) return false;
  if (path.empty() || path.back() != '\\') path += '\\';
  view_.TreeGoing();
  exportFile_.reset();
  KeepForChanges(path);
  const VolumeFacts volume = ProbeVolume(path, platform_.Volumes());
  const Running running(*this);
  root_.Reset(path);
  if (IsDriveRoot(path) && settings.DisplayFreeDiskSpace && volume.FreeBytes != 0) {
    root_.AddFile("(" + path.substr(0, 2) + " free space)", -volume.FreeBytes, -volume.FreeBytes);
    if (settings.DisplayCompressed != 0) settings.DisplayCompressed = 1;
  }
  const bool compressed = settings.DisplayCompressed == 1;
  view_.Sizes(volume.CompressionSupported, compressed);
  const TreeScanRequest request{
      .ClusterSize = volume.ClusterSize, .Compressed = compressed, .ReadFileTable = settings.ReadFileTable};
  ScanAndShow([&](const ProgressProc& progress, ScanNotes& notes) {
    ScanTree(root_, request, platform_.Scan(), platform_.Devices(), progress, cancel_, &notes);
  });
  return true;
}

std::optional<ExportError> ScanDriver::Load(const std::string& file) {
  if (scanning_) return std::nullopt;
  const std::unique_ptr<ExportFile> source = platform_.OpenExport(file);  // nothing changes if it throws
  const Running running(*this);
  const auto reading = [&](uint64_t bytesRead) {
    progress_ = "Reading " + file + "... " + std::to_string(source->Size() ? 100 * bytesRead / source->Size() : 100) +
                "%";
    platform_.Scan().ProcessMessages();
  };
  std::variant<ExportIndex, ExportError> read = ReadNcduExport(*source, reading, cancel_);
  if (auto* error = std::get_if<ExportError>(&read)) return std::move(*error);
  ExportIndex& index = std::get<ExportIndex>(read);
  view_.TreeGoing();
  exportFile_ = file;
  KeepForChanges(index.RootPath());
  root_.Reset(index.RootPath());
  view_.Sizes(false, false);
  ExportListing listing(index, [this] { platform_.Scan().ProcessMessages(); });
  ScanAndShow([&](const ProgressProc& progress, ScanNotes& notes) {
    root_.Scan(cancel_, 1, false, progress, listing, &notes);
  });
  report_->LeftOut = index.LeftOut();
  return std::nullopt;
}

void ScanDriver::ScanAndShow(const std::function<void(const ProgressProc&, ScanNotes&)>& scan) {
  ScanReport report{.Path = root_.Path(), .Started = platform_.Now()};
  const auto started = std::chrono::steady_clock::now();
  std::exception_ptr failure;
  try {
    scan([this](const std::string& text) { progress_ = text; }, report.Notes);
  } catch (...) {
    failure = std::current_exception();  // the partial tree is still shown
  }
  report.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  report.Cancelled = cancel_ || failure;
  report.FromExport = exportFile_.has_value();
  report.Files = root_.FileCount();
  report.Folders = root_.FolderCount();
  report.Nominal = root_.NominalTotal();
  report.Allocated = root_.AllocatedTotal();
  report.Slack = root_.SlackTotal();
  try {
    if (!exportFile_ && IsDriveRoot(report.Path)) report.Volume = ProbeVolumeSpace(report.Path, platform_.Volumes());
    report.Links = CountHardLinks(root_);
  } catch (...) {
    if (!failure) failure = std::current_exception();
  }
  report_ = std::move(report);
  view_.Scanned(root_);
  if (failure) std::rethrow_exception(failure);
}

ScanDriver::Running::Running(ScanDriver& driver) : driver_(driver) {
  driver_.cancel_ = false;
  driver_.scanning_ = true;
  driver_.view_.ScanBegins();
}

ScanDriver::Running::~Running() {
  driver_.scanning_ = false;
  driver_.cancel_ = false;
  driver_.view_.ScanEnds();
}

// What the changes of the scan about to run are measured against: the tree about to
// go, when it was complete and is of the same path; a cancelled scan leaves the one
// kept before.
void ScanDriver::KeepForChanges(const std::string& path) {
  if (!report_ || report_->Path != path) {
    previous_.reset();
    return;
  }
  if (report_->Cancelled) return;
  try {
    previous_.emplace(root_, report_->Started);
  } catch (const std::bad_alloc&) {
    previous_.reset();  // what changed is not shown, and the scan goes on
  }
}

std::optional<ReportTexts> ScanDriver::DescribeLast(uint8_t units, const FormatSettings& locale) {
  if (scanning_ || !report_) return std::nullopt;
  std::optional<ScanChanges> changes;
  if (previous_ && !report_->Cancelled)
    changes = CompareScans(*previous_, root_, units == kUnitsCount ? ChangeMeasure::Files : ChangeMeasure::Allocated);
  return DescribeScan(*report_, changes, units, locale, platform_.Volumes());
}
