#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The bytes of a saved listing: each line in the given encoding, followed by CR LF,
// the last one included; nothing else.
std::string ListingBytes(const std::vector<std::string>& lines,
                         const std::function<std::string(std::string_view)>& encode);
