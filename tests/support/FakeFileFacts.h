#pragma once

#include <map>
#include <string>
#include <vector>

#include "dialogs/FileFacts.h"

// Files as a test sets them up, and what was asked of them.
struct FakeFileFacts : FileFacts {
  std::map<std::string, Record> Files;
  std::map<std::string, uint64_t> CompressedSizes;  // none: the size cannot be had
  std::map<std::string, Version> Versions;          // none: no version resource
  std::map<std::string, std::string> Types;         // none: the shell gives nothing
  std::vector<std::string> VersionReads;
  std::vector<std::optional<uint32_t>> ShellAttributes;  // what each question to the shell went by

  std::optional<Record> Find(const std::string& path) override {
    const auto found = Files.find(path);
    if (found == Files.end()) return std::nullopt;
    return found->second;
  }
  std::optional<uint64_t> CompressedSize(const std::string& path) override {
    const auto found = CompressedSizes.find(path);
    if (found == CompressedSizes.end()) return std::nullopt;
    return found->second;
  }
  Version ReadVersion(const std::string& path) override {
    VersionReads.push_back(path);
    const auto found = Versions.find(path);
    return found == Versions.end() ? Version{} : found->second;
  }
  ShellInfo Shell(const std::string& path, std::optional<uint32_t> attributes) override {
    ShellAttributes.push_back(attributes);
    const auto found = Types.find(path);
    return {found == Types.end() ? std::string() : found->second, nullptr};
  }
};
