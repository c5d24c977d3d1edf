#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Paths a scan noted, each with a detail (why, or of what kind): the first 1,000 of
// them, and how many there were in all.
class NotedPaths {
 public:
  static constexpr size_t kKept = 1000;
  struct Noted {
    std::string Path;
    uint32_t Detail;
    bool operator==(const Noted&) const = default;
  };

  void Add(std::string_view path, uint32_t detail) {
    if (kept_.size() < kKept) kept_.push_back({std::string(path), detail});
    ++count_;
  }
  const std::vector<Noted>& Kept() const { return kept_; }
  uint64_t Count() const { return count_; }

 private:
  std::vector<Noted> kept_;
  uint64_t count_ = 0;
};

// What a scan noted of itself besides the tree: the folders it could not list (with
// the listing's outcome), the folders it did not enter because they lead elsewhere
// (with their reparse tag), the compressed files whose compressed size it asked for and
// did not get, and the files whose data a cloud provider keeps elsewhere.
struct ScanNotes {
  NotedPaths Unreadable;
  NotedPaths NotEntered;
  NotedPaths NoCompressedSize;
  uint64_t OnlineOnlyFiles = 0;
  double OnlineOnlyNominal = 0;
};
