#include "support/Utf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

void AppendCodePoint(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
  }
  out += static_cast<char>(0x80 | (c & 0x3F));
}

}  // namespace

char32_t NextCodePoint(std::string_view utf8, size_t& i) {
  const auto lead = static_cast<unsigned char>(utf8[i++]);
  if (lead < 0x80) return lead;
  int length = 0;
  char32_t c = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 1, c = lead & 0x1F;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 2, c = lead & 0x0F;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 3, c = lead & 0x07;
  else return kReplacement;
  const size_t start = i;
  for (int k = 0; k < length; ++k) {
    if (i >= utf8.size() || !IsContinuation(static_cast<unsigned char>(utf8[i]))) {
      i = start;  // the bytes taken so far start the next character
      return kReplacement;
    }
    c = c << 6 | (static_cast<unsigned char>(utf8[i++]) & 0x3F);
  }
  const bool overlong = (length == 2 && c < 0x800) || (length == 3 && c < 0x10000);
  if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacement;
  return c;
}

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

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  AppendUtf16(out, utf8);
  return out;
}

void AppendUtf16(std::u16string& out, std::string_view utf8) {
  out.reserve(out.size() + utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const char32_t c = NextCodePoint(utf8, i);
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
}

void AppendUtf8(std::string& out, std::u16string_view utf16) {
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    if (c >= 0xD800 && c <= 0xDFFF) {
      const bool paired = c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF;
      c = paired ? 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00) : kReplacement;
    }
    AppendCodePoint(out, c);
  }
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  AppendUtf8(out, utf16);
  return out;
}
