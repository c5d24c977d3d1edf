#include "support/Utf8.h"

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

int32_t Utf16Length(std::string_view utf8) {
  int32_t units = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (!IsContinuation(byte)) ++units;
    if (byte >= 0xF0) ++units;  // four-byte sequences become surrogate pairs
  }
  return units;
}

std::string_view FirstCharacters(std::string_view utf8, size_t count) {
  size_t end = 0;
  for (size_t taken = 0; end < utf8.size() && taken < count; ++taken) {
    ++end;
    while (end < utf8.size() && IsContinuation(static_cast<unsigned char>(utf8[end]))) ++end;
  }
  return utf8.substr(0, end);
}
