#include "export/NcduImport.h"

#include <algorithm>
#include <memory>
#include <new>
#include <tuple>

#include "scan/FolderList.h"
#include "support/Utf8.h"

namespace {

using Token = JsonReader::Token;

// The top array, the folders, an info object and room for values within it.
constexpr size_t kMaxNesting = kMaxFolderDepth + 8;
constexpr uint64_t kMaxSize = INT64_MAX;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The name as shown: bytes that are not UTF-8, and NUL, which no path holds, become
// U+FFFD.
void ShowName(std::string_view raw, std::string& shown) {
  shown.clear();
  for (size_t i = 0; i < raw.size();) {
    const size_t start = i;
    const char32_t c = NextCodePoint(raw, i);
    const std::string_view bytes = raw.substr(start, i - start);
    shown += c == 0 || (c == 0xFFFD && bytes != kReplacement) ? kReplacement : bytes;
  }
}

// The whole number that `token`, just read, holds, up to `max`.
uint64_t Whole(const JsonReader& json, Token token, uint64_t max) {
  if (token != Token::Number) json.Fail("expected a number");
  const std::string_view text = json.Text();
  if (text.front() == '-') json.Fail("negative number");
  if (text.find_first_of(".eE") != std::string_view::npos) json.Fail("not a whole number");
  if (json.TextCut()) json.Fail("number too large");
  uint64_t value = 0;
  for (const char digit : text) {
    const auto units = static_cast<uint64_t>(digit - '0');
    if (value > (max - units) / 10) json.Fail("number too large");
    value = value * 10 + units;
  }
  return value;
}

}  // namespace

// Builds the index in one pass over the export, its folders on a stack of its own.
class NcduReader {
 public:
  NcduReader(ExportSource& source, const ReadProgress& progress, const bool& cancel)
      : json_(source, kMaxNesting, kMaxNameBytes, progress, cancel) {}
  ExportIndex Read();
  uint64_t Offset() const { return json_.Offset(); }

 private:
  using Entry = ExportIndex::Entry;
  static constexpr uint32_t kNone = ExportIndex::kNone;

  // What an info object says of its entry but its name.
  struct Info {
    uint64_t Start = 0;  // where its '{' is
    bool Named = false;
    uint64_t Size = 0, Allocated = 0;
    std::optional<uint64_t> Device, Inode;
    bool LinkMarked = false;  // "hlnkc"
    uint64_t Links = 0;
    bool ReadError = false, Excluded = false, Special = false;
    bool Unholdable = false;  // its name holds a separator or NUL
  };
  struct OpenFolder {
    uint32_t Entry;  // none when left out
    uint32_t Last;   // its entry added last
    uint64_t Device;
  };
  struct HardLink {
    uint64_t Device, Inode;
    uint32_t Entry;
  };

  void ReadHeader();
  void ReadTree();
  void BeginFolder();
  // Whether the entry just read goes into the tree: not left out, nor in a folder left
  // out. One whose name alone keeps it out is counted.
  bool Keep();
  void ReadInfo();
  void ReadName();
  bool ReadFlag();
  uint32_t Add(uint8_t kind);
  void StoreName(Entry& entry);
  void CountHardLinksOnce();

  JsonReader json_;
  ExportIndex index_;
  bool gdu_ = false;
  std::vector<OpenFolder> open_;
  std::vector<HardLink> hardLinks_;
  Info info_;
  std::string name_;
};

ExportIndex NcduReader::Read() {
  ReadHeader();
  ReadTree();
  // Whatever follows the root folder is left to later versions of the format.
  for (Token token = json_.Next(); token != Token::EndArray; token = json_.Next()) json_.SkipValue(token);
  json_.Next();  // the end, or what should not follow it fails
  CountHardLinksOnce();
  return std::move(index_);
}

void NcduReader::ReadHeader() {
  if (json_.Next() != Token::BeginArray) json_.Fail("expected '['");
  if (Whole(json_, json_.Next(), UINT64_MAX) != 1) json_.Fail("unsupported format version");
  Whole(json_, json_.Next(), UINT64_MAX);  // any minor version: they only add
  if (json_.Next() != Token::BeginObject) json_.Fail("expected the metadata object");
  for (Token token = json_.Next(); token != Token::EndObject; token = json_.Next()) {
    const bool producer = json_.Text() == "progname";
    const Token value = json_.Next();
    if (producer) gdu_ = value == Token::String && json_.Text() == "gdu";
    json_.SkipValue(value);
  }
}

void NcduReader::ReadTree() {
  if (json_.Next() != Token::BeginArray) json_.Fail("expected a folder");
  BeginFolder();
  while (!open_.empty()) {
    switch (json_.Next()) {
      case Token::EndArray:
        open_.pop_back();
        break;
      case Token::BeginArray:
        BeginFolder();
        break;
      case Token::BeginObject:
        ReadInfo();
        if (Keep()) Add(ExportIndex::kFile);
        break;
      default:
        json_.Fail("expected a file or a folder");
    }
  }
}

void NcduReader::BeginFolder() {
  if (open_.size() == kMaxFolderDepth) json_.Fail("folders nested too deep");
  if (json_.Next() != Token::BeginObject) json_.Fail("expected the folder's info object");
  ReadInfo();
  const bool root = open_.empty();
  if (root) {
    index_.separator_ = PathSeparator(name_);
    index_.rootPath_ = name_;
    if (!name_.ends_with(index_.separator_)) index_.rootPath_ += index_.separator_;
  }
  const uint64_t device = info_.Device.value_or(root ? 0 : open_.back().Device);
  const bool kept = root || Keep();
  const uint32_t entry = kept ? Add(info_.ReadError ? ExportIndex::kUnreadableFolder : ExportIndex::kFolder) : kNone;
  open_.push_back({entry, kNone, device});
}

bool NcduReader::Keep() {
  if (open_.back().Entry == kNone || info_.Excluded || info_.Special) return false;
  index_.leftOut_ += info_.Unholdable;
  return !info_.Unholdable;
}

void NcduReader::ReadInfo() {
  info_ = {.Start = json_.Offset()};
  for (Token token = json_.Next(); token != Token::EndObject; token = json_.Next()) {
    const std::string_view key = json_.Text();
    if (key == "name")
      ReadName();
    else if (key == "asize")
      info_.Size = Whole(json_, json_.Next(), kMaxSize);
    else if (key == "dsize")
      info_.Allocated = Whole(json_, json_.Next(), kMaxSize);
    else if (key == "dev")
      info_.Device = Whole(json_, json_.Next(), UINT64_MAX);
    else if (key == "ino")
      info_.Inode = Whole(json_, json_.Next(), UINT64_MAX);
    else if (key == "nlink")
      info_.Links = Whole(json_, json_.Next(), UINT64_MAX);
    else if (key == "hlnkc")
      info_.LinkMarked = ReadFlag();
    else if (key == "read_error")
      info_.ReadError = ReadFlag();
    else if (key == "notreg")
      info_.Special = ReadFlag();
    else if (key == "excluded")  // "pattern", "otherfs", "kernfs", ...: whatever it says
      info_.Excluded = (json_.SkipValue(json_.Next()), true);
    else
      json_.SkipValue(json_.Next());
  }
  if (!info_.Named) JsonReader::FailAt(info_.Start, "entry without a name");
}

void NcduReader::ReadName() {
  if (json_.Next() != Token::String) json_.Fail("expected a name");
  if (json_.TextCut()) json_.Fail("name too long");
  const std::string_view raw = json_.Text();
  // The root's name is a path; any other is one name in a folder. Linux names may hold
  // a backslash, which no Windows name can; none holds a slash or NUL.
  if (!open_.empty()) {
    if (raw.empty() || raw == "." || raw == "..") json_.Fail("a name no file system lists");
    info_.Unholdable = raw.find_first_of(std::string_view("\\/\0", 3)) != std::string_view::npos;
  } else if (raw.empty()) {
    json_.Fail("the root has no name");
  }
  ShowName(raw, name_);
  if (name_.size() > kMaxNameBytes) json_.Fail("name too long");
  info_.Named = true;
}

bool NcduReader::ReadFlag() {
  const Token value = json_.Next();
  json_.SkipValue(value);
  return value == Token::True;
}

uint32_t NcduReader::Add(uint8_t kind) {
  std::deque<Entry>& entries = index_.entries_;
  if (entries.size() == kMaxEntries) JsonReader::FailAt(info_.Start, "too many entries");
  const auto number = static_cast<uint32_t>(entries.size());
  Entry& entry = entries.emplace_back();
  entry.Kind = kind;
  StoreName(entry);
  // gdu marks only the names after a file's first, and counts them as nothing.
  if (kind == ExportIndex::kFile && !(gdu_ && info_.LinkMarked)) {
    entry.Size = info_.Size;
    entry.Allocated = info_.Allocated;
    if (!gdu_ && (info_.LinkMarked || info_.Links > 1) && info_.Inode)
      hardLinks_.push_back({info_.Device.value_or(open_.back().Device), *info_.Inode, number});
  }
  if (!open_.empty()) {
    OpenFolder& parent = open_.back();
    (parent.Last == kNone ? entries[parent.Entry].FirstChild : entries[parent.Last].Next) = number;
    parent.Last = number;
  }
  return number;
}

void NcduReader::StoreName(Entry& entry) {
  const auto at = index_.names_.Store(name_);
  if (!at) JsonReader::FailAt(info_.Start, "names take more than 4 GB");
  entry.NameAt = *at;
  entry.NameLength = static_cast<uint16_t>(name_.size());
}

void NcduReader::CountHardLinksOnce() {
  std::sort(hardLinks_.begin(), hardLinks_.end(), [](const HardLink& a, const HardLink& b) {
    return std::tie(a.Device, a.Inode, a.Entry) < std::tie(b.Device, b.Inode, b.Entry);
  });
  for (size_t i = 1; i < hardLinks_.size(); ++i) {
    if (hardLinks_[i].Device != hardLinks_[i - 1].Device || hardLinks_[i].Inode != hardLinks_[i - 1].Inode) continue;
    Entry& later = index_.entries_[hardLinks_[i].Entry];
    later.Size = later.Allocated = 0;
  }
}

std::variant<ExportIndex, ExportError> ReadNcduExport(ExportSource& source, const ReadProgress& progress,
                                                      const bool& cancel) {
  auto reader = std::make_unique<NcduReader>(source, progress, cancel);
  try {
    return reader->Read();
  } catch (ExportError& error) {
    return std::move(error);
  } catch (const std::bad_alloc&) {
    const uint64_t offset = reader->Offset();
    reader.reset();  // so that the error itself finds memory
    return ExportError{offset, "not enough memory"};
  }
}

std::optional<uint32_t> ExportIndex::FindFolder(std::string_view path) {
  if (!path.starts_with(rootPath_)) return std::nullopt;
  if (!open_.empty() && path.size() != rootPath_.size()) {
    // Out of the folders the path does not lead through; the root always does.
    while (!path.starts_with(openPath_)) {
      openPath_.resize(open_.back().ParentPathLength);
      open_.pop_back();
    }
    if (const auto found = SearchOnwards(path)) return found;
  }
  open_.assign(1, {entries_[kRootFolder].FirstChild, 0});
  openPath_ = rootPath_;
  if (path.size() == rootPath_.size()) return kRootFolder;
  return SearchOnwards(path);
}

std::optional<uint32_t> ExportIndex::SearchOnwards(std::string_view path) {
  while (!open_.empty()) {
    // Each sub-folder whose name and the separator come next in the path, in turn: two
    // may have one name.
    const size_t at = openPath_.size();
    uint32_t next = open_.back().Next;
    for (; next != kNone; next = entries_[next].Next) {
      const Entry& entry = entries_[next];
      if (entry.Kind == kFile) continue;
      const std::string_view name = Name(entry);
      const size_t end = at + name.size();
      if (path.size() > end && path.substr(at, name.size()) == name && path[end] == separator_) break;
    }
    if (next == kNone) {
      openPath_.resize(open_.back().ParentPathLength);
      open_.pop_back();
      continue;
    }
    const Entry& folder = entries_[next];
    open_.back().Next = folder.Next;
    openPath_ += Name(folder);
    openPath_ += separator_;
    open_.push_back({folder.FirstChild, at});
    if (openPath_.size() == path.size()) return next;
  }
  return std::nullopt;
}

void ExportIndex::List(uint32_t folder, FolderListing& listing) const {
  for (uint32_t at = entries_[folder].FirstChild; at != kNone; at = entries_[at].Next) {
    const Entry& entry = entries_[at];
    if (entry.Kind == kFile)
      listing.Add({.Name = Name(entry), .Size = entry.Size, .Allocated = entry.Allocated});
    else
      listing.Add({.Name = Name(entry), .Attributes = kAttributeDirectory});
  }
}
