#pragma once

#include <string>
#include <string_view>

// Removes the characters with codes up to 32 (blanks and control characters) at both ends.
std::string Trim(std::string_view text);

// Change only the letters A to Z (a to z); every other byte, UTF-8 included, stays.
std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
