#include "VersionBlockBuilder.h"

#include <cstring>

#include "support/Utf8.h"

namespace {

void AddUtf16(std::vector<uint8_t>& out, std::string_view text) {
  for (const char16_t unit : Utf8ToUtf16(text)) out.insert(out.end(), {uint8_t(unit), uint8_t(unit >> 8)});
}

void Write(const VersionNode& node, std::vector<uint8_t>& out) {
  const size_t start = out.size();
  out.resize(start + 6);
  AddUtf16(out, node.Key);
  if (node.KeyTerminated) {
    out.resize(out.size() + 2);
    out.resize((out.size() + 3) & ~size_t{3});
    out.insert(out.end(), node.Value.begin(), node.Value.end());
    for (const VersionNode& child : node.Children) {
      out.resize((out.size() + 3) & ~size_t{3});
      Write(child, out);
    }
  }
  const uint16_t words[3] = {node.Length.value_or(uint16_t(out.size() - start)),
                             node.ValueLength.value_or(uint16_t(node.Value.size() / (node.Text ? 2 : 1))),
                             node.Text};
  for (int i = 0; i < 3; ++i) {
    out[start + 2 * i] = uint8_t(words[i]);
    out[start + 2 * i + 1] = uint8_t(words[i] >> 8);
  }
}

}  // namespace

std::vector<uint8_t> Serialize(const VersionNode& root) {
  std::vector<uint8_t> out;
  Write(root, out);
  return out;
}

VersionNode TextNode(std::string key, std::string_view value) {
  VersionNode node{std::move(key), {}, true};
  AddUtf16(node.Value, value);
  node.Value.insert(node.Value.end(), {0, 0});
  return node;
}

std::vector<uint8_t> TranslationBytes(std::initializer_list<std::pair<uint16_t, uint16_t>> entries) {
  std::vector<uint8_t> bytes;
  for (const auto& [language, codePage] : entries) {
    bytes.insert(bytes.end(), {uint8_t(language), uint8_t(language >> 8), uint8_t(codePage), uint8_t(codePage >> 8)});
  }
  return bytes;
}

VersionNode StandardBlock(const FixedFileInfo& info, const std::vector<StringTable>& tables,
                          std::vector<uint8_t> translation) {
  VersionNode strings{"StringFileInfo", {}, true};
  for (const auto& [key, values] : tables) {
    VersionNode& table = strings.Children.emplace_back(VersionNode{key, {}, true});
    for (const auto& [name, value] : values) table.Children.push_back(TextNode(name, value));
  }
  VersionNode root{"VS_VERSION_INFO", std::vector<uint8_t>(sizeof info)};
  std::memcpy(root.Value.data(), &info, sizeof info);  // little-endian, as the resource
  root.Children = {std::move(strings), {"VarFileInfo", {}, true, {{"Translation", std::move(translation)}}}};
  return root;
}
