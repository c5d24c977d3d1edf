#include "export/BufferedSink.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "support/Utf8.h"

BufferedSink::BufferedSink(ExportSink& sink) : sink_(sink), buffer_(new char[kSize]) {}

void BufferedSink::Put(std::string_view bytes) {
  while (!bytes.empty() && !failed_) {
    if (used_ == kSize) Flush();
    const size_t taken = std::min(bytes.size(), kSize - used_);
    std::memcpy(buffer_.get() + used_, bytes.data(), taken);
    used_ += taken;
    bytes.remove_prefix(taken);
  }
}

void BufferedSink::PutWhole(double value) {
  char digits[400];  // the largest double has 309 digits
  const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 0).ptr;
  Put(std::string_view(digits, end - digits));
}

void BufferedSink::PutText(std::string_view text, const AsciiEscapes& escapes) {
  size_t kept = 0;  // start of the bytes not yet put
  for (size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      ++i;
      if (escapes[byte].empty()) continue;
      Put(text.substr(kept, i - 1 - kept));
      Put(escapes[byte]);
      kept = i;
      continue;
    }
    const size_t start = i;
    if (NextCodePoint(text, i) != 0xFFFD) continue;
    Put(text.substr(kept, start - kept));
    Put("\xEF\xBF\xBD");
    kept = i;
  }
  Put(text.substr(kept));
}

bool BufferedSink::Finish() {
  Flush();
  return !failed_;
}

void BufferedSink::Flush() {
  if (!failed_ && used_ > 0) failed_ = !sink_.Write(std::string_view(buffer_.get(), used_));
  used_ = 0;
}
