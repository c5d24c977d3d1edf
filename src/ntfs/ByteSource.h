#pragma once

#include <cstdint>
#include <optional>
#include <span>

// Bytes at offsets of something large (a volume, an image of one): what the file
// table reader reads through. The offsets and sizes it asks for are whole clusters or
// file records (4096 bytes at the start), so whole sectors, and its buffers are
// aligned to 4096 bytes, as reading a raw volume needs.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills `into` from `offset`; false when that cannot be read whole.
  virtual bool Read(uint64_t offset, std::span<uint8_t> into) = 0;
  // The length in bytes; nothing when it cannot be told (the reader bounds every read anyway).
  virtual std::optional<uint64_t> Bytes() const = 0;
};
