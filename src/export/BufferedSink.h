#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>

#include "export/ExportSink.h"

// What replaces each ASCII character in a text; an empty entry keeps the character.
using AsciiEscapes = std::array<std::string_view, 128>;

// Collects an export's output in one fixed buffer and hands it on to the sink whenever
// the buffer fills, so an export of any size takes the same memory. Once the sink has
// refused bytes, nothing more is written.
class BufferedSink {
 public:
  explicit BufferedSink(ExportSink& sink);

  void Put(std::string_view bytes);
  void Put(char c) {
    if (used_ == kSize) Flush();
    if (!failed_) buffer_[used_++] = c;
  }
  // A whole number in digits, without exponent.
  void PutWhole(double value);
  // UTF-8 text, escaped as asked, with every sequence that is not well formed replaced
  // by U+FFFD, so the output is always valid UTF-8.
  void PutText(std::string_view text, const AsciiEscapes& escapes);

  // Hands on what is left; false when the sink refused anything.
  bool Finish();
  bool Failed() const { return failed_; }

 private:
  static constexpr size_t kSize = 64 * 1024;

  void Flush();

  ExportSink& sink_;
  std::unique_ptr<char[]> buffer_;
  size_t used_ = 0;
  bool failed_ = false;
};
