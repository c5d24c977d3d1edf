#include "app/Listing.h"

std::string ListingBytes(const std::vector<std::string>& lines,
                         const std::function<std::string(std::string_view)>& encode) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += encode(line);
    bytes += "\r\n";
  }
  return bytes;
}
