#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Number of UTF-16 code units that a UTF-8 text takes: the length Windows gives it.
int32_t Utf16Length(std::string_view utf8);

// The first `count` characters (code points) of a UTF-8 text.
std::string_view FirstCharacters(std::string_view utf8, size_t count);

// The code point that starts at utf8[i] (i < size); i moves past it. What is not well
// formed gives U+FFFD.
char32_t NextCodePoint(std::string_view utf8, size_t& i);

// UTF-8 and UTF-16 into each other. What is not well formed (a stray byte, an
// unpaired surrogate) becomes U+FFFD, so no text is ever cut short.
std::u16string Utf8ToUtf16(std::string_view utf8);
void AppendUtf16(std::u16string& out, std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
// The appending forms let the many short texts of a listing reuse one buffer.
void AppendUtf8(std::string& out, std::u16string_view utf16);
