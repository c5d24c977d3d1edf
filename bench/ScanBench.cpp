// Times the folder scan against a bare FindFirstFileW walk of the same tree, and the
// scan platform's listings alone (the scan without its tree and message pump), in one
// process and alternating, and measures the tree's memory per entry.
// Usage: scan_bench FOLDER [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "app/ScanChanges.h"
#include "scan/FolderList.h"
#include "scan/ScanNotes.h"
#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/Files.h"
#include "scan/win32/Win32ScanPlatform.h"
#include "win32/WinApi.h"
#include "Messages.h"
#include "Timing.h"

// Heap bytes held through operator new: each block as the Windows heap keeps it, the
// request rounded up to its granularity plus a header of that size (8 bytes in a
// 32-bit process, 16 in a 64-bit one).
static size_t g_heapBytes = 0;

static size_t BlockCost(size_t size) {
  constexpr size_t unit = 2 * sizeof(void*);
  return (size + unit - 1) / unit * unit + unit;
}

void* operator new(size_t size) {
  void* block = std::malloc(size + sizeof(size_t) * 2);
  if (!block) throw std::bad_alloc();
  *static_cast<size_t*>(block) = size;
  g_heapBytes += BlockCost(size);
  return static_cast<size_t*>(block) + 2;
}

void operator delete(void* pointer) noexcept {
  if (!pointer) return;
  size_t* block = static_cast<size_t*>(pointer) - 2;
  g_heapBytes -= BlockCost(*block);
  std::free(block);
}

void operator delete(void* pointer, size_t) noexcept { operator delete(pointer); }
void* operator new[](size_t size) { return operator new(size); }
void operator delete[](void* pointer) noexcept { operator delete(pointer); }
void operator delete[](void* pointer, size_t) noexcept { operator delete(pointer); }

namespace {

struct WalkCounts {
  long long Files = 0;
  long long Folders = 0;
  double Bytes = 0;
};

// What the scan does minus everything of its own: list every folder, depth first.
WalkCounts BareWalk(const std::wstring& root) {
  WalkCounts counts;
  std::vector<std::wstring> pending{root};
  WIN32_FIND_DATAW found;
  while (!pending.empty()) {
    const std::wstring folder = std::move(pending.back());
    pending.pop_back();
    const FindHandle search(FindFirstFileW((folder + L"*").c_str(), &found));
    if (!search) continue;
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (found.cFileName[0] == L'.' &&
            (found.cFileName[1] == 0 || (found.cFileName[1] == L'.' && found.cFileName[2] == 0)))
          continue;
        ++counts.Folders;
        pending.push_back(folder + found.cFileName + L"\\");
      } else {
        ++counts.Files;
        counts.Bytes += static_cast<double>(static_cast<uint64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow);
      }
    } while (FindNextFileW(search.Get(), &found));
  }
  return counts;
}

// The platform's listings of every folder, depth first, and nothing else.
WalkCounts ListingWalk(const std::string& root, ScanPlatform& platform) {
  WalkCounts counts;
  std::vector<std::string> pending{root};
  FolderListing listing;
  while (!pending.empty()) {
    const std::string folder = std::move(pending.back());
    pending.pop_back();
    listing.Clear();
    platform.ListFolder(folder, listing);
    for (size_t i = 0; i < listing.Count(); ++i) {
      const FoundEntry entry = listing[i];
      if (!(entry.Attributes & kAttributeDirectory)) {
        ++counts.Files;
        counts.Bytes += static_cast<double>(entry.Size);
      } else if (entry.Name != "." && entry.Name != "..") {
        ++counts.Folders;
        pending.push_back(folder + std::string(entry.Name) + '\\');
      }
    }
  }
  return counts;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: scan_bench FOLDER [ROUNDS]\n");
    return 2;
  }
  std::string path = WideToUtf8(argv[1]);
  if (path.back() != '\\') path += '\\';
  const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 5;
  const std::wstring extendedRoot = ExtendedLengthPath(Utf8ToWide(path));

  Win32ScanPlatform platform(PumpMessages);
  Win32ScanPlatform listingPlatform(nullptr);
  const bool cancel = false;
  TFolderList root;
  BareWalk(extendedRoot);  // warm the caches

  std::vector<double> bareTimes, listTimes, scanTimes, ratios;
  WalkCounts bare, listed;
  size_t treeBytes = 0;
  for (int round = 0; round < rounds; ++round) {
    auto start = std::chrono::steady_clock::now();
    bare = BareWalk(extendedRoot);
    bareTimes.push_back(Seconds(start));

    start = std::chrono::steady_clock::now();
    listed = ListingWalk(path, listingPlatform);
    listTimes.push_back(Seconds(start));

    root.Reset(path);
    const size_t heapBefore = g_heapBytes;
    start = std::chrono::steady_clock::now();
    ScanNotes notes;  // noted as the program notes them
    root.Scan(cancel, 4096, false, nullptr, platform, &notes);
    scanTimes.push_back(Seconds(start));
    treeBytes = g_heapBytes - heapBefore;
    ratios.push_back(scanTimes.back() / bareTimes.back());
    std::printf("round %d: bare %.3f s, listings %.3f s, scan %.3f s\n", round + 1, bareTimes.back(), listTimes.back(),
                scanTimes.back());
    std::fflush(stdout);
  }

  const long long entries = static_cast<long long>(root.FileCount()) + root.FolderCount();
  if (root.FileCount() != bare.Files || root.FolderCount() != bare.Folders || root.NominalTotal() != bare.Bytes ||
      listed.Files != bare.Files || listed.Folders != bare.Folders || listed.Bytes != bare.Bytes) {
    std::fprintf(stderr, "scan and bare walk disagree: %d/%lld files, %d/%lld folders\n", root.FileCount(),
                 bare.Files, root.FolderCount(), bare.Folders);
    return 1;
  }
  const double bareMedian = Median(bareTimes);
  const double scanMedian = Median(scanTimes);
  const size_t nameStart = path.find_last_of('\\', path.size() - 2) + 1;
  const std::string tree = path.substr(nameStart, path.size() - 1 - nameStart);
  const auto [lowRatio, highRatio] = std::minmax_element(ratios.begin(), ratios.end());
  std::printf("scan-bench tree=%s entries=%lld files=%d folders=%d nominal=%.0f allocated=%.0f bare_s=%.3f list_s=%.3f "
              "scan_s=%.3f ratio=%.3f ratio_range=%.2f-%.2f bytes_per_entry=%.1f changes_kb=%.0f\n",
              tree.c_str(), entries, root.FileCount(), root.FolderCount(), root.NominalTotal(), root.AllocatedTotal(),
              bareMedian, Median(listTimes), scanMedian, scanMedian / bareMedian, *lowRatio, *highRatio,
              static_cast<double>(treeBytes) / entries, ScanSnapshot(root, {}).Bytes() / 1024.0);
  return 0;
}
