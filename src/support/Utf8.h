#pragma once

#include <cstdint>
#include <string_view>

// Number of UTF-16 code units that a UTF-8 text takes: the length Windows gives it.
int32_t Utf16Length(std::string_view utf8);

// The first `count` characters (code points) of a UTF-8 text.
std::string_view FirstCharacters(std::string_view utf8, size_t count);
