#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

// Names packed one after another in 64 KB blocks, freed all at once. A name is known by
// its offset, which fits 32 bits: the arena holds at most 4 GB of names and refuses one
// that would end beyond (Store gives nothing, and nothing changes). A name larger than
// a block gets a block of its own, as many 64 KB long as it needs, so every name lies
// in one piece. Blocks never move: a name's text stays where At found it until Clear.
class NameArena {
 public:
  static constexpr size_t kBlockBytes = 64 * 1024;

  // Copies the name in; where it starts.
  std::optional<uint32_t> Store(std::string_view name) { return Place(name, 0); }
  // Likewise with a NUL after it, for those who read it as a C string.
  std::optional<uint32_t> StoreTerminated(std::string_view name) { return Place(name, 1); }

  const char* At(uint32_t offset) const { return slots_[offset / kBlockBytes] + offset % kBlockBytes; }
  std::string_view At(uint32_t offset, size_t length) const { return {At(offset), length}; }

  void Clear();

 private:
  static constexpr size_t kMaxSlots = (uint64_t{1} << 32) / kBlockBytes;

  std::optional<uint32_t> Place(std::string_view name, size_t nulBytes);

  std::vector<std::unique_ptr<char[]>> blocks_;
  std::vector<char*> slots_;  // where each 64 KB of offsets starts: a block, or part of a larger one
  size_t used_ = kBlockBytes;  // of the last slot
};
