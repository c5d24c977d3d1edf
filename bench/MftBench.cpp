// Scans an NTFS volume image from its file table the way a scan of its root does,
// ROUNDS times: the parse of the table (until its last record is parsed), then the
// tree built from it; and the index's memory per record beside its names.
// Usage: mft_bench IMAGE [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ImageVolume.h"
#include "Timing.h"
#include "ntfs/FileTableListing.h"
#include "scan/FolderList.h"

namespace {

// Every folder comes from the table; one that does not is a fault of the table.
class NoPlatform : public ScanPlatform {
 public:
  ListingOutcome ListFolder(const std::string&, FolderListing&) override { return ListingOutcome::Failed; }
  std::optional<uint64_t> CompressedFileSize(const std::string&) override { return std::nullopt; }
  void ProcessMessages() override {}
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: mft_bench IMAGE [ROUNDS]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  ImageDevices devices(argv[1]);
  NoPlatform platform;
  const bool cancel = false;
  std::vector<double> parseTimes, treeTimes;
  uint64_t records = 0;
  size_t indexBytes = 0;
  for (int round = 0; round <= rounds; ++round) {
    TFolderList tree;
    tree.Reset("M:\\");
    FileTableListing listing(platform, devices);
    const auto start = std::chrono::steady_clock::now();
    auto parsed = start;
    // The share read reaches 1 once the last record is parsed.
    const ProgressProc progress = [&](const std::string& text) {
      if (parsed == start && text.ends_with(" 100%")) parsed = std::chrono::steady_clock::now();
    };
    if (!listing.ReadTableOf("M:\\", progress, cancel)) {
      std::fprintf(stderr, "mft_bench: no file table read from %s\n", argv[1]);
      return 1;
    }
    records = listing.Records();
    indexBytes = listing.IndexBytes();
    tree.Scan(cancel, 4096, false, nullptr, listing);
    if (round == 0) continue;  // the first warms the page cache
    parseTimes.push_back(std::chrono::duration<double>(parsed - start).count());
    treeTimes.push_back(Seconds(parsed));
  }
  const auto [low, high] = std::minmax_element(parseTimes.begin(), parseTimes.end());
  const auto [treeLow, treeHigh] = std::minmax_element(treeTimes.begin(), treeTimes.end());
  const auto count = static_cast<double>(records);
  std::printf("mft-parse records=%.0f table_mb=%.1f parse_s=%.3f parse_range=%.3f-%.3f records_per_s=%.0f "
              "tree_s=%.3f tree_range=%.3f-%.3f bytes_per_record=%.1f\n",
              count, count * 1024 / 1048576, Median(parseTimes), *low, *high, count / Median(parseTimes),
              Median(treeTimes), *treeLow, *treeHigh, static_cast<double>(indexBytes) / count);
  return 0;
}
