#include "app/TreeFinds.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

#include "app/UsageView.h"
#include "scan/TreeWalk.h"
#include "support/Utf8.h"

namespace {

// The lower case of the letters of the alphabets extensions are written in: Latin
// (ASCII, Latin-1, Extended-A, full width), Greek and Cyrillic. Windows folds every
// letter; these cover what names hold in practice, and each keeps its UTF-8 length.
char32_t LowerLetter(char32_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
      (c >= 0x410 && c <= 0x42F) || (c >= 0xFF21 && c <= 0xFF3A))
    return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  if (c == 0x178) return 0xFF;
  // Extended-A pairs capital and small, the capital even or, in two runs, odd;
  // İ, ı, ĸ, ŉ and ſ have no partner there.
  if (c >= 0x100 && c <= 0x17E && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149) {
    const bool oddCapital = (c >= 0x139 && c <= 0x148) || c >= 0x179;
    if ((c % 2 == 1) == oddCapital) return c + 1;
  }
  return c;
}

// Appends `text` lower-cased; bytes that are not well-formed UTF-8 stay as they are.
void AppendLowerCase(std::string& out, std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t start = i;
    const char32_t c = static_cast<unsigned char>(text[i]) < 0x80 ? text[i++] : NextCodePoint(text, i);
    const char32_t lower = LowerLetter(c);
    if (lower == c) {
      out.append(text.substr(start, i - start));
    } else if (lower < 0x80) {
      out += static_cast<char>(lower);
    } else if (lower < 0x800) {
      out += static_cast<char>(0xC0 | lower >> 6);
      out += static_cast<char>(0x80 | (lower & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | lower >> 12);
      out += static_cast<char>(0x80 | (lower >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (lower & 0x3F));
    }
  }
}

std::string_view ExtensionPart(std::string_view fileName) {
  const size_t dot = fileName.rfind('.');
  return dot == std::string_view::npos || dot == 0 ? std::string_view() : fileName.substr(dot + 1);
}

// The path of a level below the root of its tree, with a trailing separator; empty for the root.
std::string LevelBelowRoot(const TFolderList& level) {
  const TFolderList* root = &level;
  while (root->Parent()) root = root->Parent();
  return level.Path().substr(root->Path().size());
}

// A file among the largest; its path is made only when a size ties.
struct Candidate {
  const TFolderData* File;
  double Size;
  mutable std::string Path;

  const std::string& PathText() const {
    if (Path.empty()) Path = PathBelowRoot(*File);
    return Path;
  }
};

// Whether `a` comes before `b` in the list: larger, or as large with the lesser path.
bool Before(const Candidate& a, const Candidate& b) {
  return a.Size > b.Size || (a.Size == b.Size && a.PathText() < b.PathText());
}

// Whether folder + name comes before `path`, without making that path.
bool PathBefore(std::string_view folder, std::string_view name, std::string_view path) {
  const std::string_view head = path.substr(0, folder.size());
  if (const int order = folder.compare(head); order != 0) return order < 0;
  return name < path.substr(head.size());
}

struct Tally {
  double Size = 0;
  uint64_t Files = 0;
};

// An extension as names spell it: its type's tally, and whether the request lists it.
struct Spelling {
  Tally* Type;
  bool Listed;
};

// FNV-1a: extensions are short, and the library's hash costs a call on every file.
struct TextHash {
  using is_transparent = void;
  size_t operator()(std::string_view text) const {
    uint32_t hash = 2166136261u;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
  }
};
template <typename Value>
using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

}  // namespace

TreeFinds FindInTree(const TFolderList& root, const FindRequest& request) {
  TreeFinds finds;
  // A min-heap on Before: its front is the least of the largest so far.
  std::vector<Candidate> heap;
  heap.reserve(std::min(request.Limit, static_cast<size_t>(root.FileCount())));
  // Each spelling is folded once; then a file costs one look-up by its bytes, or none
  // when it is spelled as the file before it, as files of a folder tend to be.
  TextMap<Tally> types;
  TextMap<Spelling> spellings;
  const Spelling* last = nullptr;
  std::string_view lastSpelled;
  // The folder the walk is in, below the root, kept as it goes so ties need no path made.
  std::string folder = LevelBelowRoot(root);
  std::vector<size_t> folderLengths;
  const char separator = PathSeparator(root.Path());

  TreeWalk walk(root);
  for (TreeWalk::Step step; (step = walk.Next()) != TreeWalk::Step::Done;) {
    const TFolderData& entry = walk.Entry();
    if (step == TreeWalk::Step::Folder) {
      folderLengths.push_back(folder.size());
      folder.append(entry.Name().substr(1)) += separator;
      continue;
    }
    if (step == TreeWalk::Step::FolderEnd) {
      folder.resize(folderLengths.back());
      folderLengths.pop_back();
      continue;
    }
    if (step != TreeWalk::Step::File) continue;  // a link: a folder, never entered
    const double size = SizeOf(entry, request.Mode);
    finds.Total += size;

    const std::string_view name = entry.Name();
    const std::string_view spelled = ExtensionPart(name);
    if (!last || spelled != lastSpelled) {
      auto found = spellings.find(spelled);
      if (found == spellings.end()) {
        const std::string extension = ExtensionOf(name);
        const bool listed = !request.Extension || *request.Extension == extension;
        found = spellings.emplace(spelled, Spelling{&types[extension], listed}).first;
      }
      last = &found->second;
      lastSpelled = found->first;
    }
    last->Type->Size += size;
    ++last->Type->Files;

    if (request.Limit == 0 || !last->Listed) continue;
    if (heap.size() < request.Limit) {
      heap.push_back({&entry, size, {}});
      std::push_heap(heap.begin(), heap.end(), Before);
      continue;
    }
    const Candidate& least = heap.front();
    const bool tie = size == least.Size;
    if (size < least.Size || (tie && !PathBefore(folder, name, least.PathText()))) continue;
    std::pop_heap(heap.begin(), heap.end(), Before);
    // A file that ties goes on to meet others of its size: its path is at hand now.
    heap.back() = {&entry, size, tie ? folder + std::string(name) : std::string()};
    std::push_heap(heap.begin(), heap.end(), Before);
  }

  std::sort_heap(heap.begin(), heap.end(), Before);
  finds.Largest.reserve(heap.size());
  for (const Candidate& found : heap) finds.Largest.push_back({found.File, found.Size});

  finds.Types.reserve(types.size());
  for (const auto& [extension, tally] : types) finds.Types.push_back({extension, tally.Size, tally.Files});
  std::sort(finds.Types.begin(), finds.Types.end(), [](const FileType& a, const FileType& b) {
    return a.Size > b.Size || (a.Size == b.Size && a.Extension < b.Extension);
  });
  return finds;
}

std::string ExtensionOf(std::string_view fileName) {
  std::string extension;
  AppendLowerCase(extension, ExtensionPart(fileName));
  return extension;
}

std::string ExtensionText(std::string_view extension) {
  return extension.empty() ? "(no extension)" : "." + std::string(extension);
}

std::string PathBelowRoot(const TFolderData& file) {
  return LevelBelowRoot(*file.OwnerList) + std::string(file.Name());
}
