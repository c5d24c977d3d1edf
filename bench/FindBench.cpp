// Times the pass behind the largest files and the file types on a tree of ENTRIES
// entries (files and folders, about ten files a folder, sizes spread from bytes to
// hundreds of megabytes) made in memory: largest_ms is the call that lists the largest
// files of one type, types_ms the call that lists the types and the largest files of
// all. Both are one whole pass; each figure is the median of five calls.
// Usage: find_bench [ENTRIES]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "Timing.h"
#include "app/TreeFinds.h"
#include "app/UsageView.h"
#include "scan/FolderList.h"
#include "scan/ScanPlatform.h"

namespace {

// Lists made-up folders until the tree holds the entries asked for: ten files and up
// to eight sub-folders each, six levels deep at most.
class MadeUpFolders : public ScanPlatform {
 public:
  explicit MadeUpFolders(long long entries) : left_(entries) {}

  ListingOutcome ListFolder(const std::string& folderPath, FolderListing& listing) override {
    static const char* const kExtensions[] = {"dll", "txt", "jpg", "JPG", "h", "cpp", "png", "mp4", "pdf",
                                              "xml", "json", "exe", "log", "gz", "mui", "", "dat", "ini"};
    const auto depth = std::count(folderPath.begin(), folderPath.end(), '\\');
    for (int file = 0; file < 10 && left_ > 0; ++file, --left_) {
      // Mostly common types, a long tail of rare ones; sizes spread evenly in magnitude.
      const size_t type = std::min<size_t>(random_() % 24, std::size(kExtensions) - 1);
      name_ = "file" + std::to_string(file);
      if (*kExtensions[type]) name_ += std::string(".") + kExtensions[type];
      const double size = std::floor(std::exp2(std::uniform_real_distribution<double>(0, 28)(random_)));
      listing.Add({.Name = name_, .Size = static_cast<uint64_t>(size)});
    }
    for (int folder = 0; folder < 8 && depth < 8 && left_ > 0; ++folder, --left_) {
      name_ = "folder" + std::to_string(folder);
      listing.Add({.Name = name_, .Attributes = kAttributeDirectory});
    }
    return ListingOutcome::Listed;
  }
  std::optional<uint64_t> CompressedFileSize(const std::string&) override { return std::nullopt; }
  void ProcessMessages() override {}

 private:
  long long left_;
  std::mt19937 random_{1};
  std::string name_;
};

double MedianMs(const TFolderList& root, const FindRequest& request, size_t& found) {
  std::vector<double> times;
  for (int round = 0; round < 5; ++round) {
    const auto start = std::chrono::steady_clock::now();
    found = FindInTree(root, request).Largest.size();
    times.push_back(Seconds(start) * 1000);
  }
  return Median(times);
}

}  // namespace

int main(int argc, char** argv) {
  const long long entries = argc > 1 ? std::atoll(argv[1]) : 1000000;
  MadeUpFolders platform(entries);
  TFolderList root("Z:\\bench\\");
  const bool cancel = false;
  root.Scan(cancel, 4096, false, nullptr, platform);
  if (root.FileCount() + static_cast<long long>(root.FolderCount()) != entries) {
    std::fprintf(stderr, "find_bench: the tree holds %d files and %d folders\n", root.FileCount(), root.FolderCount());
    return 1;
  }
  size_t found = 0;
  const double largest = MedianMs(root, {.Mode = kModeNominal, .Limit = 1000, .Extension = "pdf"}, found);
  const double types = MedianMs(root, {.Mode = kModeNominal, .Limit = 1000}, found);
  if (found != std::min<size_t>(1000, static_cast<size_t>(root.FileCount()))) {
    std::fprintf(stderr, "find_bench: %zu largest files found\n", found);
    return 1;
  }
  std::printf("find-bench entries=%lld largest_ms=%.1f types_ms=%.1f\n", entries, largest, types);
  return 0;
}
