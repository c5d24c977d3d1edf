#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dialogs/VersionBlock.h"

// A node of a version resource before it is laid out. The overrides write lengths
// that lie; a key without its terminator ends the node inside the key.
struct VersionNode {
  std::string Key;
  std::vector<uint8_t> Value;
  bool Text = false;  // the value length then counts UTF-16 units
  std::vector<VersionNode> Children;
  std::optional<uint16_t> Length, ValueLength;
  bool KeyTerminated = true;
};

// The bytes of a node tree, laid out as GetFileVersionInfoW returns it.
std::vector<uint8_t> Serialize(const VersionNode& root);

// A node with a zero-terminated text value; translation entries (language, code page).
VersionNode TextNode(std::string key, std::string_view value);
std::vector<uint8_t> TranslationBytes(std::initializer_list<std::pair<uint16_t, uint16_t>> entries);

// "VS_VERSION_INFO" with the fixed info, string tables (a key such as "080904E4" and
// its names and values) and the translation value.
using StringTable = std::pair<std::string, std::vector<std::pair<std::string, std::string>>>;
VersionNode StandardBlock(const FixedFileInfo& info, const std::vector<StringTable>& tables,
                          std::vector<uint8_t> translation);
