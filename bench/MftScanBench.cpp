// Times the scan of a drive from its start to the finished tree, walking its folders
// and reading its file table instead, in alternating rounds (the latter also until the
// table's last record is parsed, and from there to the tree); and, when given, of a small
// folder on it, walked and scanned as the program does (the table only when it pays).
// Usage: mft_scan_bench DRIVE [ROUNDS [SMALL_FOLDER]]   (DRIVE such as D:\)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Messages.h"
#include "Timing.h"
#include "ntfs/FileTableListing.h"
#include "ntfs/win32/Win32VolumeDevices.h"
#include "scan/FolderList.h"
#include "scan/win32/Win32ScanPlatform.h"
#include "win32/WideText.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: mft_scan_bench DRIVE [ROUNDS]\n");
    return 2;
  }
  const std::string drive = WideToUtf8(argv[1]);
  const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 5;
  Win32ScanPlatform platform(PumpMessages);
  Win32VolumeDevices devices;
  const bool cancel = false;
  const std::string small = argc > 3 ? WideToUtf8(argv[3]) : "";
  std::vector<double> walkTimes, fastTimes, parseTimes, treeTimes, smallWalkTimes, smallTimes;
  TFolderList walked, fast;
  int32_t files = 0, folders = 0;
  for (int round = 0; round <= rounds; ++round) {
    walked.Reset(drive);
    auto start = std::chrono::steady_clock::now();
    walked.Scan(cancel, 4096, false, nullptr, platform);
    if (round > 0) walkTimes.push_back(Seconds(start));  // the first warms the caches

    fast.Reset(drive);
    start = std::chrono::steady_clock::now();
    auto parsed = start;
    // The share read reaches 1 once the last record is parsed.
    const ProgressProc progress = [&](const std::string& text) {
      if (parsed == start && text.ends_with(" 100%")) parsed = std::chrono::steady_clock::now();
    };
    FileTableListing listing(platform, devices);
    if (!listing.ReadTableOf(drive, progress, cancel)) {
      std::fprintf(stderr, "mft_scan_bench: the file table of %s was not read\n", drive.c_str());
      return 1;
    }
    fast.Scan(cancel, 4096, false, nullptr, listing);
    if (round > 0) {
      fastTimes.push_back(Seconds(start));
      treeTimes.push_back(Seconds(parsed));
      parseTimes.push_back(std::chrono::duration<double>(parsed - start).count());
    }
    if (walked.FileCount() != fast.FileCount() || walked.FolderCount() != fast.FolderCount() ||
        walked.NominalTotal() != fast.NominalTotal()) {
      std::fprintf(stderr, "mft_scan_bench: the trees differ: %d/%d files, %d/%d folders\n", walked.FileCount(),
                   fast.FileCount(), walked.FolderCount(), fast.FolderCount());
      return 1;
    }
    files = fast.FileCount();
    folders = fast.FolderCount();
    if (small.empty()) continue;

    walked.Reset(small);
    start = std::chrono::steady_clock::now();
    walked.Scan(cancel, 4096, false, nullptr, platform);
    if (round > 0) smallWalkTimes.push_back(Seconds(start));
    fast.Reset(small);
    start = std::chrono::steady_clock::now();
    FileTableListing whenItPays(platform, devices);
    whenItPays.ReadTableWhenItPays(small, nullptr, cancel);
    fast.Scan(cancel, 4096, false, nullptr, whenItPays);
    if (round > 0) smallTimes.push_back(Seconds(start));
    if (fast.FileCount() != walked.FileCount() || whenItPays.Records() != 0) {
      std::fprintf(stderr, "mft_scan_bench: the small folder %s: %d/%d files, table read: %s\n", small.c_str(),
                   walked.FileCount(), fast.FileCount(), whenItPays.Records() ? "yes" : "no");
      return 1;
    }
  }
  const auto [walkLow, walkHigh] = std::minmax_element(walkTimes.begin(), walkTimes.end());
  const auto [fastLow, fastHigh] = std::minmax_element(fastTimes.begin(), fastTimes.end());
  const auto [parseLow, parseHigh] = std::minmax_element(parseTimes.begin(), parseTimes.end());
  const auto [treeLow, treeHigh] = std::minmax_element(treeTimes.begin(), treeTimes.end());
  std::printf("mft-scan files=%d folders=%d walk_s=%.3f walk_range=%.3f-%.3f fast_s=%.3f fast_range=%.3f-%.3f "
              "speedup=%.1f parse_s=%.3f parse_range=%.3f-%.3f tree_s=%.3f tree_range=%.3f-%.3f\n",
              files, folders, Median(walkTimes), *walkLow, *walkHigh, Median(fastTimes), *fastLow, *fastHigh,
              Median(walkTimes) / Median(fastTimes), Median(parseTimes), *parseLow, *parseHigh, Median(treeTimes),
              *treeLow, *treeHigh);
  if (!small.empty()) {
    const auto [low, high] = std::minmax_element(smallTimes.begin(), smallTimes.end());
    std::printf("mft-scan-small files=%d small_walk_s=%.4f small_s=%.4f small_range=%.4f-%.4f\n", fast.FileCount(),
                Median(smallWalkTimes), Median(smallTimes), *low, *high);
  }
  return 0;
}
