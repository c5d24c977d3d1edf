#include "app/ScanReport.h"

#include <unordered_map>

#include "app/UsageView.h"
#include "scan/ScanPlatform.h"
#include "support/Format.h"

namespace {

constexpr uint32_t kTagMountPoint = 0xA0000003, kTagSymbolicLink = 0xA000000C;
constexpr const char* kDateTime = "dd mmm yyyy hh:nn:ss";
constexpr const char* kArrow = " \xE2\x86\x92 ";

std::string KindText(uint32_t tag, const std::string& path, VolumeApi& volumes) {
  if (tag == kTagSymbolicLink) return "symbolic link";
  if (tag == kTagMountPoint) return volumes.IsVolumeMountPoint(path) ? "mount point" : "junction";
  return "other link";
}

// "Links not followed: 1,234", and which of them are shown when not all are.
std::string Title(const char* what, const NotedPaths& noted, const FormatSettings& locale) {
  std::string title = Format("%s: %1.n", {std::string(what), static_cast<int64_t>(noted.Count())}, locale);
  if (noted.Count() > noted.Kept().size())
    title += Format(" (the first %1.n shown)", {static_cast<int64_t>(noted.Kept().size())}, locale);
  return title;
}

class Measure {
 public:
  Measure(uint8_t units, const FormatSettings& locale) : units_(units), locale_(locale) {}
  // A value compared: a size in the units chosen, or a count of files.
  std::string Value(double value) const {
    return units_ == kUnitsCount ? Format("%1.n files", {value}, locale_) : SizeText(value, units_, locale_);
  }
  std::string Change(double change) const { return (change > 0 ? "+" : "") + Value(change); }

 private:
  uint8_t units_;
  const FormatSettings& locale_;
};

std::vector<ReportLine> ChangeLines(const std::vector<FolderChange>& changes, const Measure& measure) {
  std::vector<ReportLine> lines;
  for (const FolderChange& change : changes) {
    std::string text = measure.Change(change.Change()) + "   " + change.Path + "   (" + measure.Value(change.Before) +
                       kArrow + measure.Value(change.After);
    if (change.New) text += ", new";
    if (change.Gone) text += ", gone";
    lines.push_back({text + ")", change.Gone ? "" : change.Path});
  }
  return lines;
}

// The hard links part of the summary.
std::vector<std::string> LinkLines(const HardLinkFigures& links, const std::function<std::string(double)>& size,
                                   const FormatSettings& locale) {
  if (links.FilesNotTold > 0 && links.Files == 0)
    return {"Files with more than one name: not counted (the listing of folders does not tell them)"};
  if (links.Files == 0) return {"Files with more than one name here: none"};
  std::vector<std::string> lines{
      Format("Files with more than one name here: %1.n, with %1.n names",
             {static_cast<double>(links.Files), static_cast<double>(links.Names)}, locale),
      "Shown more than once: " + size(links.Allocated) + " (nominal " + size(links.Nominal) + ")"};
  if (links.FilesNotTold > 0) lines.back() += "; counted only in the folders read from the file table";
  return lines;
}

}  // namespace

std::string ListingFailureText(uint32_t outcome) {
  switch (static_cast<ListingOutcome>(outcome)) {
    case ListingOutcome::AccessDenied: return "access denied";
    case ListingOutcome::NotFound: return "not found";
    case ListingOutcome::PathTooLong: return "path too long";
    default: return "could not be listed";
  }
}

HardLinkFigures CountHardLinks(const TFolderList& root) {
  struct Seen {
    int64_t Names = 0;
    double Nominal = 0, Allocated = 0;
  };
  std::unordered_map<uint64_t, Seen> byFile;
  root.ForEachHardLink([&](const TFolderData& file, const HardLink& link) {
    Seen& seen = byFile[link.FileId];
    ++seen.Names;
    seen.Nominal = file.Nominal;
    seen.Allocated = file.Allocated;
  });
  HardLinkFigures figures{.FilesNotTold = root.FilesWithoutLinkCount()};
  for (const auto& [id, seen] : byFile) {
    if (seen.Names < 2) continue;
    ++figures.Files;
    figures.Names += seen.Names;
    figures.Nominal += static_cast<double>(seen.Names - 1) * seen.Nominal;
    figures.Allocated += static_cast<double>(seen.Names - 1) * seen.Allocated;
  }
  return figures;
}

ReportTexts DescribeScan(const ScanReport& report, const std::optional<ScanChanges>& changes, uint8_t units,
                         const FormatSettings& locale, VolumeApi& volumes) {
  ReportTexts texts;
  // In a count of files, the sizes are in bytes, as the status bar shows them.
  const auto size = [&](double bytes) { return SizeText(bytes, units, locale); };
  texts.Summary = {
      "Scanned: " + report.Path,
      "Started: " + FormatDateTime(kDateTime, report.Started, locale),
      Format("Took: %1.1n seconds", {report.Seconds}, locale),
      report.Cancelled ? "Cancelled: the figures are of what was scanned before" : "Complete",
      FilesText(report.Files, locale),
      FoldersText(report.Folders, locale),
      "Nominal size: " + size(report.Nominal),
      "Allocated size: " + size(report.Allocated),
      "Slack: " + size(report.Slack),
  };
  if (report.Volume) {
    const double used = report.Volume->TotalBytes - report.Volume->FreeBytes;
    // A file under several names takes its space once.
    const double counted = report.Allocated - report.Links.Allocated;
    texts.Summary.insert(texts.Summary.end(),
                         {"Volume size: " + size(report.Volume->TotalBytes), "Used: " + size(used),
                          "Free: " + size(report.Volume->FreeBytes),
                          "Not accounted for: " + size(used - counted),
                          "(Used space the scan did not count: mostly system files that no listing shows, such as "
                          "the paging file and the file table, folders of other users that could not be listed, "
                          "and restore points.)"});
  }
  // An export's reader counts a file of several names once already.
  if (!report.FromExport) {
    const std::vector<std::string> links = LinkLines(report.Links, size, locale);
    texts.Summary.insert(texts.Summary.end(), links.begin(), links.end());
  }
  const ScanNotes& notes = report.Notes;
  if (notes.OnlineOnlyFiles > 0)
    texts.Summary.push_back(Format("Online-only files: %1.n, %s nominal (a cloud provider keeps their data)",
                                   {static_cast<double>(notes.OnlineOnlyFiles), size(notes.OnlineOnlyNominal)},
                                   locale));
  if (report.LeftOut > 0)
    texts.Summary.push_back(Format("Left out of the export: %1.n entries whose names no Windows folder can hold",
                                   {static_cast<double>(report.LeftOut)}, locale));
  if (notes.NoCompressedSize.Count() > 0)
    texts.Summary.push_back(Title("Compressed files whose compressed size could not be read", notes.NoCompressedSize, locale));
  for (const auto& [path, detail] : notes.NoCompressedSize.Kept()) texts.NoCompressedSize.push_back(path);

  texts.UnreadableTitle = Title("Folders that could not be listed", notes.Unreadable, locale);
  for (const auto& [path, outcome] : notes.Unreadable.Kept())
    texts.Unreadable.push_back({path + "   (" + ListingFailureText(outcome) + ")", path});
  texts.NotEnteredTitle = Title("Links not followed", notes.NotEntered, locale);
  for (const auto& [path, tag] : notes.NotEntered.Kept())
    texts.NotEntered.push_back({path + "   (" + KindText(tag, path, volumes) + ")", path});

  if (!changes) {
    texts.ChangesSummary = {report.Cancelled ? "The scan was cancelled: what changed is shown after a complete one."
                                             : "No earlier complete scan of this folder to compare with."};
    return texts;
  }
  const Measure measure(units, locale);
  texts.ChangesSummary = {
      "Previous scan: " + FormatDateTime(kDateTime, changes->Previous, locale),
      "Total: " + measure.Change(changes->TotalAfter - changes->TotalBefore) + "   (" +
          measure.Value(changes->TotalBefore) + kArrow + measure.Value(changes->TotalAfter) + ")",
  };
  texts.Grown = ChangeLines(changes->Grown, measure);
  texts.Shrunk = ChangeLines(changes->Shrunk, measure);
  return texts;
}

std::string ReportText(const ReportTexts& texts) {
  std::string text;
  const auto line = [&](const std::string& content) { text += content + "\r\n"; };
  const auto lines = [&](const std::vector<ReportLine>& list) {
    for (const ReportLine& item : list) line(item.Text);
  };
  line("Velmora scan report");
  for (const std::string& summary : texts.Summary) line(summary);
  line("");
  line(texts.UnreadableTitle);
  lines(texts.Unreadable);
  line("");
  line(texts.NotEnteredTitle);
  lines(texts.NotEntered);
  if (!texts.NoCompressedSize.empty()) {
    line("");
    line("Compressed files whose compressed size could not be read:");
    for (const std::string& path : texts.NoCompressedSize) line(path);
  }
  line("");
  line("Changes");
  for (const std::string& summary : texts.ChangesSummary) line(summary);
  if (!texts.Grown.empty()) line("Grew most:");
  lines(texts.Grown);
  if (!texts.Shrunk.empty()) line("Shrank most:");
  lines(texts.Shrunk);
  return text;
}
