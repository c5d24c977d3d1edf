#include "support/NameArena.h"

#include <algorithm>
#include <cstring>

std::optional<uint32_t> NameArena::Place(std::string_view name, size_t nulBytes) {
  const size_t bytes = name.size() + nulBytes;
  if (used_ == kBlockBytes || bytes > kBlockBytes - used_) {
    // A fresh block; the rest of the last one stays unused. A full one is left too, so
    // that no name starts at its end.
    const size_t slots = bytes == 0 ? 1 : (bytes - 1) / kBlockBytes + 1;
    if (slots > kMaxSlots - slots_.size()) return std::nullopt;
    // Room first, so that nothing fails once the block is in.
    if (slots_.capacity() - slots_.size() < slots)
      slots_.reserve(std::max(2 * slots_.capacity(), slots_.size() + slots));
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(slots * kBlockBytes));
    for (size_t i = 0; i < slots; ++i) slots_.push_back(blocks_.back().get() + i * kBlockBytes);
    used_ = bytes - (slots - 1) * kBlockBytes;
  } else {
    used_ += bytes;
  }
  const size_t end = (slots_.size() - 1) * kBlockBytes + used_;
  char* text = slots_.back() + used_ - bytes;
  std::memcpy(text, name.data(), name.size());
  if (nulBytes) text[name.size()] = '\0';
  return static_cast<uint32_t>(end - bytes);
}

void NameArena::Clear() {
  blocks_.clear();
  slots_.clear();
  used_ = kBlockBytes;
}
