#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Platform.h"

// The seams a test holds, as the program's platform; exports are texts kept by name.
class FakePlatform : public Platform {
 public:
  struct Seams {
    ScanPlatform& Scan;
    VolumeApi& Volumes;
    Registry& Keys;
    VersionSource& Versions;
    FileFacts& Files;
    VolumeDevices& Devices;
  };
  explicit FakePlatform(Seams seams) : seams_(seams) {}

  ScanPlatform& Scan() override { return seams_.Scan; }
  VolumeApi& Volumes() override { return seams_.Volumes; }
  Registry& Keys() override { return seams_.Keys; }
  VersionSource& Versions() override { return seams_.Versions; }
  FileFacts& Files() override { return seams_.Files; }
  VolumeDevices& Devices() override { return seams_.Devices; }
  ShellActions& Shell() override { return Actions; }
  std::unique_ptr<ExportFile> OpenExport(const std::string& path) override {
    const auto found = Exports.find(path);
    if (found == Exports.end()) throw std::runtime_error("Cannot open " + path + ": not found");
    return std::make_unique<Text>(found->second);
  }
  DateTime Now() override { return Clock; }

  // Records what the program asked of the shell; nothing is recycled.
  struct FakeShell : ShellActions {
    std::string Open(const std::string& path) override { return Note("open " + path); }
    std::string ShowInFolder(const std::string& path) override { return Note("show " + path); }
    std::string CopyText(const std::string& text) override { return Note("copy " + text); }
    RecycleResult Recycle(const std::string& path) override {
      Note("recycle " + path);
      return {Recycled::Declined, {}};
    }
    std::string Note(std::string call) {
      Calls.push_back(std::move(call));
      return "";
    }
    std::vector<std::string> Calls;
  };

  FakeShell Actions;
  std::map<std::string, std::string> Exports;
  DateTime Clock{2026, 12, 8, 9, 30, 0};

 private:
  class Text : public ExportFile {
   public:
    explicit Text(std::string text) : text_(std::move(text)) {}
    std::optional<size_t> Read(std::span<char> into) override {
      const size_t count = std::min(into.size(), text_.size() - at_);
      std::memcpy(into.data(), text_.data() + at_, count);
      at_ += count;
      return count;
    }
    uint64_t Size() const override { return text_.size(); }

   private:
    std::string text_;
    size_t at_ = 0;
  };
  Seams seams_;
};
