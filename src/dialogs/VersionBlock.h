#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The root value of a version resource (VS_FIXEDFILEINFO), its fields in order.
struct FixedFileInfo {
  static constexpr uint32_t kSignature = 0xFEEF04BD;
  uint32_t Signature = 0;
  uint32_t StrucVersion = 0;
  uint32_t FileVersionMS = 0;
  uint32_t FileVersionLS = 0;
  uint32_t ProductVersionMS = 0;
  uint32_t ProductVersionLS = 0;
  uint32_t FileFlagsMask = 0;
  uint32_t FileFlags = 0;
  uint32_t FileOS = 0;
  uint32_t FileType = 0;
  uint32_t FileSubtype = 0;
  uint32_t FileDateMS = 0;
  uint32_t FileDateLS = 0;
};

// A version resource as GetFileVersionInfoW returns it, read where it lies. It is a
// tree of nodes: length, value length (bytes, or UTF-16 units when the type is 1 for
// text), type, a zero-terminated UTF-16 key, padding to 4 bytes (counted from the
// block's start), the value, padding, then the children.
//
// Files come from anywhere, so nothing is trusted: a node is seen only when its length,
// terminated key and value fit inside its parent, and the first child that does not
// ends the list of its parent. Every child lies strictly inside its parent and past
// its header, so each look-up ends; bytes are read one by one, at any address.
//
// Paths are keys joined by "\" ("\StringFileInfo\080904E4\CompanyName"; "\" alone is
// the root). Keys match as VerQueryValueW matches them, ignoring case, here for the
// ASCII letters only (keys are ASCII in practice); the first match wins.
class VersionBlock {
 public:
  VersionBlock() = default;
  explicit VersionBlock(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  // The root value when it holds a whole VS_FIXEDFILEINFO with its signature.
  std::optional<FixedFileInfo> FixedInfo() const;
  // The value bytes of the node at a path.
  std::optional<std::span<const uint8_t>> Value(std::string_view path) const;
  // The value at a path as UTF-16 text up to its first zero (or its end), in UTF-8.
  std::optional<std::string> String(std::string_view path) const;

 private:
  std::span<const uint8_t> bytes_;
};
