#include "controls/BrowseRules.h"

namespace {

constexpr uint32_t kBifValidate = 0x20;
constexpr uint32_t kBifStatusText = 0x4;

constexpr uint32_t kFlagValues[] = {0x0001, 0x0002, 0x0008, 0x1000, 0x2000, 0x4000,
                                    0x0010, 0x0080, 0x0040, 0x8000, 0x0050};

// One round of shortening a folder part, as "\Windows\System32\" -> "\...\System32\".
std::string ShortenedFolder(std::string folder) {
  if (folder == "\\") return {};
  const bool leadingBackslash = !folder.empty() && folder.front() == '\\';
  if (leadingBackslash) folder.erase(0, 1);
  if (!folder.empty() && folder.front() == '.') folder.erase(0, 4);  // a "...\" of an earlier round
  const size_t backslash = folder.find('\\');
  folder = backslash == std::string::npos ? std::string() : "...\\" + folder.substr(backslash + 1);
  return leadingBackslash ? "\\" + folder : folder;
}

// The text without its last character (a whole UTF-8 sequence).
void DropLastCharacter(std::string& text) {
  size_t end = text.size() - 1;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
}

}  // namespace

int RootFolderCode(TRootID root, bool ntFamily) {
  static constexpr int kCodes[] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08,
                                   0x09, 0x0A, 0x0B, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15,
                                   0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0xFEFE};
  if (!ntFamily) {
    switch (root) {
      case TRootID::idCommonStartMenu: return 0x0B;
      case TRootID::idCommonPrograms: return 0x02;
      case TRootID::idCommonStartup: return 0x07;
      case TRootID::idCommonDesktopDirectory: return 0x10;
      default: break;
    }
  }
  return kCodes[static_cast<int>(root)];
}

uint32_t TBrowseFlags::ShellValue() const {
  uint32_t value = 0;
  for (int flag = bfDirectoriesOnly; flag <= bfUseNewUI; ++flag)
    if (Contains(static_cast<TBrowseFlag>(flag))) value |= kFlagValues[flag];
  return value;
}

TBrowseFlags CompletedOptions(TBrowseFlags options) {
  if (options.Contains(bfIncludeURLs)) {
    options.Add(bfIncludeFiles);
    options.Add(bfUseNewUI);
  }
  if (options.Contains(bfShareable)) options.Add(bfUseNewUI);
  if (options.Contains(bfUseNewUI)) {
    options.Add(bfEditBox);
    options.Add(bfNewDialogStyle);
  }
  return options;
}

uint32_t ShellBrowseFlags(TBrowseFlags options, bool hasStatusText, bool showSelectionInStatus) {
  uint32_t flags = options.ShellValue();
  if (options.Contains(bfEditBox)) flags |= kBifValidate;
  if (hasStatusText || showSelectionInStatus) flags |= kBifStatusText;
  return flags;
}

bool IsExistingFolder(std::string_view text, uint32_t logicalDrives,
                      const std::function<bool(const std::string&)>& directoryExists) {
  if (text.size() == 3 && text[1] == ':' && text[2] == '\\') {
    char letter = text[0];
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z') return false;
    return (logicalDrives >> (letter - 'A') & 1) != 0;
  }
  std::string path(text);
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return !path.empty() && directoryExists(path);
}

std::string NormalisedSelection(std::string_view selection, const std::function<bool(std::string_view)>& isFolder) {
  std::string stored(selection);
  if (!stored.empty() && stored.back() != '\\' && isFolder(stored)) stored += '\\';
  return stored;
}

std::string SelectionForBrowser(std::string_view selection) {
  std::string path(selection);
  if (path.size() == 2 && path[1] == ':') return path + '\\';
  if (path.size() == 3 && path[1] == ':' && path[2] == '\\') return path;
  if (path.size() > 1 && path.back() == '\\') path.pop_back();
  return path;
}

std::string FittedStatusText(std::string_view original, bool isFolder, int available,
                             const std::function<int(std::string_view)>& width) {
  std::string text(original);
  if (isFolder) {
    const size_t lastBackslash = text.rfind('\\');
    std::string folder = lastBackslash == std::string::npos ? std::string() : text.substr(0, lastBackslash + 1);
    const std::string file = text.substr(folder.size());
    std::string drive;
    if (folder.size() >= 2 && folder[1] == ':') {
      drive = folder.substr(0, 2);
      folder.erase(0, 2);
    }
    while ((!folder.empty() || !drive.empty()) && width(text) > available) {
      if (folder == "\\...\\") {
        drive.clear();
        folder = "...\\";
      } else if (folder.empty()) {
        drive.clear();
      } else {
        folder = ShortenedFolder(folder);
      }
      text = drive + folder + file;
    }
    return text;
  }
  std::string remainder = text;
  while (!remainder.empty() && width(text) > available) {
    DropLastCharacter(remainder);
    text = remainder + "...";
  }
  return text;
}
