#include "dialogs/AboutTexts.h"

#include "support/FilePaths.h"

std::string AboutCaption(std::string_view productName) {
  return "About Quillfen's " + std::string(productName);
}

std::string AboutVersionLine(std::string_view executablePath, std::string_view version,
                             std::string_view comments) {
  std::string line(ExtractFileName(executablePath));
  line.append(", V").append(version).append(", ").append(comments);
  return line;
}

std::optional<std::string> WebAddressToOpen(std::string_view text) {
  if (text.empty()) return std::nullopt;
  constexpr std::string_view kScheme = "http://";
  if (text.find(kScheme) != std::string_view::npos) return std::string(text);
  return std::string(kScheme) + std::string(text);
}
