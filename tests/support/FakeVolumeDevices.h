#pragma once

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ntfs/VolumeDevices.h"

// Volumes held in memory, by drive letter; a drive without one cannot be opened.
class FakeVolumeDevices : public VolumeDevices {
 public:
  std::unique_ptr<ByteSource> Open(char driveLetter) override {
    Opened.push_back(driveLetter);
    const auto found = Volumes.find(driveLetter);
    if (found == Volumes.end()) return nullptr;
    return std::make_unique<Volume>(found->second, OnRead);
  }

  std::map<char, std::vector<uint8_t>> Volumes;
  std::vector<char> Opened;
  std::function<void()> OnRead;  // runs before every read

 private:
  class Volume : public ByteSource {
   public:
    Volume(const std::vector<uint8_t>& bytes, const std::function<void()>& onRead) : bytes_(bytes), onRead_(onRead) {}
    bool Read(uint64_t offset, std::span<uint8_t> into) override {
      if (onRead_) onRead_();
      if (offset > bytes_.size() || into.size() > bytes_.size() - offset) return false;
      std::memcpy(into.data(), bytes_.data() + offset, into.size());
      return true;
    }
    std::optional<uint64_t> Bytes() const override { return bytes_.size(); }

   private:
    const std::vector<uint8_t>& bytes_;
    const std::function<void()>& onRead_;
  };
};
