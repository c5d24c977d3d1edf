// Times writing a scanned tree as ncdu JSON and as CSV to files in /tmp, and opening
// that JSON as a tree again (read, then walked), the best of ROUNDS each, and gives the
// JSON's bytes per entry. The tree is that of FOLDER (the disk-shaped benchmark tree,
// in bench.sh), scanned from the Linux side into memory before anything is timed.
// Usage: export_bench FOLDER [ROUNDS]
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "Timing.h"
#include "export/CsvExport.h"
#include "export/ExportListing.h"
#include "export/NcduImport.h"
#include "export/NcduJsonExport.h"
#include "scan/FolderList.h"
#include "scan/ScanPlatform.h"

namespace {

// Lists the Linux folders behind the Windows paths Wine gives them ("Z:\" is "/").
class LinuxScanPlatform : public ScanPlatform {
 public:
  ListingOutcome ListFolder(const std::string& folderPath, FolderListing& listing) override {
    std::string path = folderPath.substr(2);
    std::replace(path.begin(), path.end(), '\\', '/');
    DIR* folder = opendir(path.c_str());
    if (!folder) return ListingOutcome::Failed;
    while (const dirent* found = readdir(folder)) {
      struct stat facts;
      if (fstatat(dirfd(folder), found->d_name, &facts, AT_SYMLINK_NOFOLLOW) != 0) continue;
      listing.Add({.Name = found->d_name,
                   .Attributes = S_ISDIR(facts.st_mode) ? kAttributeDirectory : 0u,
                   .Size = static_cast<uint64_t>(facts.st_size)});
    }
    closedir(folder);
    return ListingOutcome::Listed;
  }
  std::optional<uint64_t> CompressedFileSize(const std::string&) override { return std::nullopt; }
  void ProcessMessages() override {}
};

class FileSource : public ExportSource {
 public:
  explicit FileSource(const char* path) : file_(open(path, O_RDONLY)) {}
  ~FileSource() override { close(file_); }
  std::optional<size_t> Read(std::span<char> into) override {
    const ssize_t got = read(file_, into.data(), into.size());
    if (got < 0) return std::nullopt;
    return static_cast<size_t>(got);
  }

 private:
  int file_;
};

// The time to open the export at `path` as a tree, as the program opens it.
double ImportTime(const char* path, long long entries) {
  const auto start = std::chrono::steady_clock::now();
  FileSource source(path);
  const bool cancel = false;
  auto read = ReadNcduExport(source, nullptr, cancel);
  if (!std::holds_alternative<ExportIndex>(read)) {
    std::fprintf(stderr, "export_bench: cannot read %s\n", path);
    std::exit(1);
  }
  ExportIndex& index = std::get<ExportIndex>(read);
  ExportListing listing(index, [] {});
  TFolderList tree(index.RootPath());
  tree.Scan(cancel, 1, false, nullptr, listing);
  if (tree.FileCount() + static_cast<long long>(tree.FolderCount()) != entries) {
    std::fprintf(stderr, "export_bench: the export opens with another tree\n");
    std::exit(1);
  }
  return Seconds(start);
}

class FileSink : public ExportSink {
 public:
  explicit FileSink(const char* path) : file_(open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644)) {}
  ~FileSink() override { close(file_); }
  bool Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t written = write(file_, bytes.data(), bytes.size());
      if (written <= 0) return false;
      bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
  }

 private:
  int file_;
};

// The best time of some rounds of writing the file at `path`.
double BestOf(int rounds, const char* path, const std::function<bool(ExportSink&)>& write) {
  double best = 1e9;
  for (int round = 0; round < rounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    {
      FileSink sink(path);
      if (!write(sink)) {
        std::fprintf(stderr, "export_bench: cannot write %s\n", path);
        std::exit(1);
      }
    }
    best = std::min(best, Seconds(start));
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: export_bench FOLDER [ROUNDS]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  std::string root = std::string("Z:") + argv[1];
  std::replace(root.begin(), root.end(), '/', '\\');
  if (root.back() != '\\') root += '\\';
  TFolderList tree(root);
  LinuxScanPlatform platform;
  const bool cancel = false;
  tree.Scan(cancel, 4096, false, nullptr, platform);
  const long long entries = static_cast<long long>(tree.FileCount()) + tree.FolderCount();

  const char* jsonPath = "/tmp/velmora-export-bench.json";
  const char* csvPath = "/tmp/velmora-export-bench.csv";
  const double jsonTime =
      BestOf(rounds, jsonPath, [&](ExportSink& sink) { return WriteNcduJson(tree, "bench", 0, sink); });
  const double csvTime = BestOf(rounds, csvPath, [&](ExportSink& sink) { return WriteTreeCsv(tree, sink); });
  double importTime = 1e9;
  for (int round = 0; round < rounds; ++round) importTime = std::min(importTime, ImportTime(jsonPath, entries));
  struct stat json;
  stat(jsonPath, &json);
  unlink(jsonPath);
  unlink(csvPath);
  std::printf("export-bench entries=%lld json_s=%.3f csv_s=%.3f import_s=%.3f bytes_per_entry=%.1f\n", entries,
              jsonTime, csvTime, importTime, static_cast<double>(json.st_size) / entries);
  return 0;
}
