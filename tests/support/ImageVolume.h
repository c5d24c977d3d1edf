#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "ntfs/ByteSource.h"
#include "ntfs/VolumeDevices.h"

// A volume kept in an image file, read as the raw device would be (POSIX only).
class ImageVolume : public ByteSource {
 public:
  explicit ImageVolume(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY)) {}
  ~ImageVolume() override {
    if (fd_ >= 0) ::close(fd_);
  }
  ImageVolume(const ImageVolume&) = delete;
  ImageVolume& operator=(const ImageVolume&) = delete;
  bool Open() const { return fd_ >= 0; }
  bool Read(uint64_t offset, std::span<uint8_t> into) override {
    while (!into.empty()) {
      const ssize_t got = ::pread(fd_, into.data(), into.size(), static_cast<off_t>(offset));
      if (got <= 0) return false;
      into = into.subspan(static_cast<size_t>(got));
      offset += static_cast<uint64_t>(got);
    }
    return true;
  }
  std::optional<uint64_t> Bytes() const override {
    struct stat status{};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return static_cast<uint64_t>(status.st_size);
  }

 private:
  int fd_;
};

// Every drive letter is the image.
class ImageDevices : public VolumeDevices {
 public:
  explicit ImageDevices(std::string image) : image_(std::move(image)) {}
  std::unique_ptr<ByteSource> Open(char) override {
    auto volume = std::make_unique<ImageVolume>(image_);
    return volume->Open() ? std::move(volume) : nullptr;
  }

 private:
  std::string image_;
};
