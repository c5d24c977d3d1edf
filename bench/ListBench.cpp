// Times ways of listing every folder of a tree under Wine, in one process and
// alternating: the directory search calls, the native calls with a large buffer
// (by full path or relative to the open parent), a message pump per folder, and
// listing ahead on a second thread while the first one takes the listings in order.
// Usage: list_bench FOLDER [ROUNDS] [--window] [VARIANT...]
//   --window: a window is shown first, as in the program, so the pump also reads X.
//   VARIANT: only these (all when none are named).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "scan/win32/NtDirectory.h"
#include "win32/WideText.h"
#include "win32/Files.h"
#include "scan/win32/Win32ScanPlatform.h"
#include "win32/WinApi.h"
#include "Messages.h"
#include "Timing.h"

namespace {

struct Counts {
  long long Files = 0;
  long long Folders = 0;
  double Bytes = 0;
  bool operator==(const Counts&) const = default;
};

bool IsDots(const wchar_t* name, size_t length) {
  return (length == 1 && name[0] == L'.') || (length == 2 && name[0] == L'.' && name[1] == L'.');
}

// One folder's entries: names of sub-folders to enter, in listing order.
struct Listing {
  std::wstring Path;
  std::vector<std::wstring> Folders;
  long long Files = 0;
  double Bytes = 0;
};

void ListWithSearch(Listing& listing, bool basic) {
  WIN32_FIND_DATAW found;
  const std::wstring pattern = listing.Path + L"*";
  HANDLE search = basic ? FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH)
                        : FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!IsDots(found.cFileName, wcslen(found.cFileName))) listing.Folders.emplace_back(found.cFileName);
    } else {
      ++listing.Files;
      listing.Bytes += static_cast<double>(static_cast<uint64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

// Takes the listings depth first, sub-folders in listing order, as the scan goes:
// `list(parent, index)` gives the listing of the parent's index-th sub-folder, or of
// the root when there is no parent.
template <class List>
Counts DepthFirst(List list) {
  Counts counts;
  struct Frame {
    Listing Done;
    size_t Next;
  };
  std::vector<Frame> stack;
  auto enter = [&](Listing listing) {
    counts.Files += listing.Files;
    counts.Bytes += listing.Bytes;
    stack.push_back({std::move(listing), 0});
  };
  enter(list(nullptr, 0));
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.Next == top.Done.Folders.size()) {
      stack.pop_back();
      continue;
    }
    ++counts.Folders;
    enter(list(&top.Done, top.Next++));
  }
  return counts;
}

Counts SearchWalk(const std::wstring& root, bool basic, bool pump) {
  return DepthFirst([&](const Listing* parent, size_t index) {
    if (pump) PumpMessages();
    Listing listing{parent ? parent->Path + parent->Folders[index] + L"\\" : root, {}, 0, 0};
    ListWithSearch(listing, basic);
    return listing;
  });
}

// NtOpenFile by full NT path or relative to the parent's open handle, then
// NtQueryDirectoryFile into a 64 KB buffer.
class NativeWalk {
 public:
  // once: no second query when the first left room for the longest entry, since
  // Wine fills the buffer with as many entries as fit.
  NativeWalk(bool relative, bool once) : relative_(relative), once_(once), buffer_(64 * 1024) {}

  Counts Run(const std::wstring& root) {
    counts_ = {};
    // "\\?\Z:\x\" becomes "\??\Z:\x\".
    std::wstring ntRoot = L"\\??\\" + root.substr(4);
    HANDLE handle = OpenFolderForListing(nullptr, ntRoot);
    if (handle) Walk(handle, ntRoot);
    return counts_;
  }

 private:
  void Walk(HANDLE folder, const std::wstring& path) {
    std::vector<std::wstring> subFolders;
    IO_STATUS_BLOCK io;
    bool first = true;
    while (NtQueryDirectoryFile(folder, nullptr, nullptr, nullptr, &io, buffer_.data(),
                                static_cast<ULONG>(buffer_.size()), FileFullDirectoryInformation, FALSE, nullptr,
                                first) >= 0) {
      first = false;
      size_t offset = 0;
      for (;;) {
        const auto& entry = *reinterpret_cast<const FILE_FULL_DIR_INFORMATION*>(buffer_.data() + offset);
        const size_t length = entry.FileNameLength / 2;
        if (entry.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          if (!IsDots(entry.FileName, length)) subFolders.emplace_back(entry.FileName, length);
        } else {
          ++counts_.Files;
          counts_.Bytes += static_cast<double>(entry.EndOfFile.QuadPart);
        }
        if (!entry.NextEntryOffset) break;
        offset += entry.NextEntryOffset;
      }
      if (once_ && io.Information + kLongestDirectoryEntry <= buffer_.size()) break;
    }
    for (const std::wstring& name : subFolders) {
      ++counts_.Folders;
      const std::wstring subPath = path + name + L"\\";
      HANDLE sub = relative_ ? OpenFolderForListing(folder, name) : OpenFolderForListing(nullptr, subPath);
      if (sub) Walk(sub, subPath);
    }
    NtClose(folder);
  }

  bool relative_;
  bool once_;
  std::vector<char> buffer_;
  Counts counts_;
};

// A second thread lists folders in the order the walk enters them; the first takes
// each listing when it enters that folder (after its pump), as the scan would.
class AheadWalk {
 public:
  Counts Run(const std::wstring& root) {
    queue_.clear();
    root_ = root;
    HANDLE thread = CreateThread(nullptr, 0, &AheadWalk::Lister, this, 0, nullptr);
    const Counts counts = DepthFirst([this](const Listing*, size_t) {
      PumpMessages();
      return Take();
    });
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return counts;
  }

 private:
  static DWORD WINAPI Lister(void* self) {
    auto& walk = *static_cast<AheadWalk*>(self);
    walk.ListTree(walk.root_);
    return 0;
  }

  void ListTree(const std::wstring& path) {
    Listing listing{path, {}, 0, 0};
    ListWithSearch(listing, false);
    const std::vector<std::wstring> folders = listing.Folders;
    Put(std::move(listing));
    for (const std::wstring& name : folders) ListTree(path + name + L"\\");
  }

  void Put(Listing listing) {
    AcquireSRWLockExclusive(&lock_);
    while (queue_.size() >= kAhead) SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
    queue_.push_back(std::move(listing));
    ReleaseSRWLockExclusive(&lock_);
    WakeAllConditionVariable(&changed_);
  }

  Listing Take() {
    AcquireSRWLockExclusive(&lock_);
    while (queue_.empty()) SleepConditionVariableSRW(&changed_, &lock_, INFINITE, 0);
    Listing listing = std::move(queue_.front());
    queue_.pop_front();
    ReleaseSRWLockExclusive(&lock_);
    WakeAllConditionVariable(&changed_);
    return listing;
  }

  static constexpr size_t kAhead = 64;
  std::wstring root_;
  SRWLOCK lock_ = SRWLOCK_INIT;
  CONDITION_VARIABLE changed_ = CONDITION_VARIABLE_INIT;
  std::deque<Listing> queue_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: list_bench FOLDER [ROUNDS] [--window]\n");
    return 2;
  }
  std::wstring root = ExtendedLengthPath(argv[1]);
  if (root.back() != L'\\') root += L'\\';
  const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 5;
  int next = 3;
  const bool window = argc > next && std::wstring(argv[next]) == L"--window";
  if (window) ++next;
  if (window) {
    HWND shown = CreateWindowW(L"STATIC", L"list-bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                               nullptr, nullptr, nullptr);
    UpdateWindow(shown);
    PumpMessages();
  }

  NativeWalk absolute(false, false), relative(true, false), absoluteOnce(false, true), relativeOnce(true, true);
  AheadWalk ahead;
  struct Variant {
    const char* Name;
    std::function<Counts()> Walk;
    std::vector<double> Times;
  };
  std::vector<Variant> variants = {
      {"find", [&] { return SearchWalk(root, false, false); }, {}},
      {"findex_basic_large", [&] { return SearchWalk(root, true, false); }, {}},
      {"nt_full_path", [&] { return absolute.Run(root); }, {}},
      {"nt_relative", [&] { return relative.Run(root); }, {}},
      {"nt_full_path_one_query", [&] { return absoluteOnce.Run(root); }, {}},
      {"nt_relative_one_query", [&] { return relativeOnce.Run(root); }, {}},
      {"find_pump", [&] { return SearchWalk(root, false, true); }, {}},
      {"ahead_pump", [&] { return ahead.Run(root); }, {}},
  };
  if (next < argc) {
    std::vector<Variant> chosen;
    for (int i = next; i < argc; ++i)
      for (Variant& variant : variants)
        if (WideToUtf8(argv[i]) == variant.Name) chosen.push_back(variant);
    variants = std::move(chosen);
  }
  const Counts expected = SearchWalk(root, false, false);  // warms the caches
  for (int round = 0; round < rounds; ++round)
    for (Variant& variant : variants) {
      const auto start = std::chrono::steady_clock::now();
      const Counts counts = variant.Walk();
      variant.Times.push_back(Seconds(start));
      if (!(counts == expected)) {
        std::fprintf(stderr, "%s disagrees: %lld files, %lld folders\n", variant.Name, counts.Files, counts.Folders);
        return 1;
      }
    }
  for (const Variant& variant : variants) {
    const auto [low, high] = std::minmax_element(variant.Times.begin(), variant.Times.end());
    std::printf("list-bench variant=%s window=%d folders=%lld median_s=%.3f min_s=%.3f max_s=%.3f\n", variant.Name,
                window, expected.Folders, Median(variant.Times), *low, *high);
  }
  return 0;
}
