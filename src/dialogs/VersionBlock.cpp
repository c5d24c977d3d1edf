#include "dialogs/VersionBlock.h"

#include <algorithm>

#include "support/Utf8.h"

namespace {

constexpr size_t kHeaderBytes = 6;
constexpr uint16_t kTextType = 1;

// Offsets of one node within the block; `end` is the node's own end.
struct Node {
  size_t end = 0;
  size_t keyStart = 0;
  size_t keyEnd = 0;  // before the key's terminating zero
  size_t valueStart = 0;
  size_t valueBytes = 0;
  size_t childrenStart = 0;
};

size_t Align4(size_t offset) { return (offset + 3) & ~size_t{3}; }

class Reader {
 public:
  explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  uint16_t Word(size_t offset) const {
    return static_cast<uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
  }

  // The node at `start` when it fits before `limit` (start <= limit <= size).
  std::optional<Node> NodeAt(size_t start, size_t limit) const {
    if (limit - start < kHeaderBytes) return std::nullopt;
    const size_t length = Word(start);
    if (length < kHeaderBytes || length > limit - start) return std::nullopt;
    Node node;
    node.end = start + length;
    node.keyStart = start + kHeaderBytes;
    size_t at = node.keyStart;
    while (at + 2 <= node.end && Word(at) != 0) at += 2;
    if (at + 2 > node.end) return std::nullopt;  // no terminator
    node.keyEnd = at;
    node.valueBytes = size_t{Word(start + 2)} * (Word(start + 4) == kTextType ? 2 : 1);
    node.valueStart = std::min(Align4(at + 2), node.end);
    if (node.valueBytes > node.end - node.valueStart) return std::nullopt;
    node.childrenStart = std::min(Align4(node.valueStart + node.valueBytes), node.end);
    return node;
  }

  bool KeyMatches(const Node& node, std::u16string_view key) const {
    if (node.keyEnd - node.keyStart != key.size() * 2) return false;
    for (size_t i = 0; i < key.size(); ++i) {
      if (Folded(Word(node.keyStart + 2 * i)) != Folded(key[i])) return false;
    }
    return true;
  }

  std::optional<Node> Child(const Node& parent, std::u16string_view key) const {
    for (size_t at = parent.childrenStart; at < parent.end;) {
      const std::optional<Node> child = NodeAt(at, parent.end);
      if (!child) break;
      if (KeyMatches(*child, key)) return child;
      at = Align4(child->end);
    }
    return std::nullopt;
  }

  std::optional<Node> Find(std::string_view path) const {
    std::optional<Node> node = NodeAt(0, bytes_.size());
    while (node) {
      const size_t start = path.find_first_not_of('\\');
      if (start == std::string_view::npos) break;
      path.remove_prefix(start);
      const size_t stop = std::min(path.find('\\'), path.size());
      node = Child(*node, Utf8ToUtf16(path.substr(0, stop)));
      path.remove_prefix(stop);
    }
    return node;
  }

  std::span<const uint8_t> ValueOf(const Node& node) const {
    return bytes_.subspan(node.valueStart, node.valueBytes);
  }

 private:
  static char16_t Folded(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - u'a' + u'A') : unit;
  }

  std::span<const uint8_t> bytes_;
};

uint32_t Dword(std::span<const uint8_t> bytes, size_t index) {
  const size_t at = index * 4;
  return uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
         uint32_t{bytes[at + 3]} << 24;
}

}  // namespace

std::optional<FixedFileInfo> VersionBlock::FixedInfo() const {
  const std::optional<std::span<const uint8_t>> value = Value("\\");
  if (!value || value->size() < 13 * 4 || Dword(*value, 0) != FixedFileInfo::kSignature) return std::nullopt;
  FixedFileInfo info;
  uint32_t* const fields[] = {&info.Signature,        &info.StrucVersion,     &info.FileVersionMS,
                              &info.FileVersionLS,    &info.ProductVersionMS, &info.ProductVersionLS,
                              &info.FileFlagsMask,    &info.FileFlags,        &info.FileOS,
                              &info.FileType,         &info.FileSubtype,      &info.FileDateMS,
                              &info.FileDateLS};
  for (size_t i = 0; i < std::size(fields); ++i) *fields[i] = Dword(*value, i);
  return info;
}

std::optional<std::span<const uint8_t>> VersionBlock::Value(std::string_view path) const {
  const Reader reader(bytes_);
  const std::optional<Node> node = reader.Find(path);
  if (!node) return std::nullopt;
  return reader.ValueOf(*node);
}

std::optional<std::string> VersionBlock::String(std::string_view path) const {
  const std::optional<std::span<const uint8_t>> value = Value(path);
  if (!value) return std::nullopt;
  std::u16string text;
  for (size_t at = 0; at + 2 <= value->size(); at += 2) {
    const char16_t unit = static_cast<char16_t>((*value)[at] | (*value)[at + 1] << 8);
    if (unit == 0) break;
    text += unit;
  }
  return Utf16ToUtf8(text);
}
