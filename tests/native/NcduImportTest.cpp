// Exports made by ncdu 1.18 and gdu 5.22 of one small tree (hard links within and
// across folders, a fifo, a symbolic link, a folder excluded, one unreadable, one on
// another file system), read and walked as a scan; and hand-made ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "app/UsageView.h"
#include "export/CsvExport.h"
#include "export/ExportListing.h"
#include "export/ExportSink.h"
#include "export/NcduImport.h"
#include "export/NcduJsonExport.h"
#include "scan/FolderList.h"

namespace {

const std::string kNcdu = std::string(R"([1,2,{"progname":"ncdu","progver":"1.18","timestamp":1796668770},
[{"name":"/tmp/tree","asize":4096,"dsize":4096,"dev":65024},
{"name":"excl","dev":0,"excluded":"pattern"},
[{"name":"locked","asize":4096,"dsize":4096,"read_error":true}],
[{"name":"mnt","asize":60,"dev":42},
{"name":"onother","asize":6,"dsize":4096}],
[{"name":"empty","asize":4096,"dsize":4096}],
[{"name":"a","asize":4096,"dsize":4096},
[{"name":"b","asize":4096,"dsize":4096},
{"name":"small","asize":100,"dsize":4096},
[{"name":"c","asize":4096,"dsize":4096},
{"name":"deep","asize":20000,"dsize":20480}]],
{"name":"f1link","asize":5000,"dsize":8192,"ino":11911778,"hlnkc":true,"nlink":3},
{"name":"f1","asize":5000,"dsize":8192,"ino":11911778,"hlnkc":true,"nlink":3}],
[{"name":"d","asize":4096,"dsize":4096},
{"name":"bad)") + "\xff\xfe" + R"(name","asize":1,"dsize":4096},
{"name":"sparse","asize":1048576},
{"name":"ünï€😀","asize":1,"dsize":4096},
{"name":"fifo","notreg":true},
{"name":"symlink","asize":1,"notreg":true},
{"name":"quo\"te","asize":1,"dsize":4096},
{"name":"ctl\u0001\tx","asize":1,"dsize":4096},
{"name":"f1other","asize":5000,"dsize":8192,"ino":11911778,"hlnkc":true,"nlink":3},
{"name":"back\\slash","asize":1,"dsize":4096}]]])";

// gdu 5.22's export of the same tree, cut to the hard links and the fifo, which it
// does not mark: it met f1other first and marked the names it met after it.
const std::string kGdu = R"([1,2,{"progname":"gdu","progver":"5.22.0-1+b1","timestamp":1796668770},
[{"name":"/tmp/tree","mtime":1796668770},
[{"name":"a","mtime":1796668327},
{"name":"f1","asize":5000,"dsize":8192,"mtime":1796668327,"ino":11911778,"hlnkc":true},
{"name":"f1link","asize":5000,"dsize":8192,"mtime":1796668327,"ino":11911778,"hlnkc":true}],
[{"name":"d","mtime":1796668327},
{"name":"f1other","asize":5000,"dsize":8192,"mtime":1796668327},
{"name":"fifo","mtime":1796668327}]]]
)";

// An export in memory, given out a few bytes at a time so that tokens cross the ends
// of chunks; its reads fail from `failAt` on.
class TextSource : public ExportSource {
 public:
  explicit TextSource(std::string_view text, size_t step = 7) : text_(text), step_(step) {}
  std::optional<size_t> Read(std::span<char> into) override {
    if (at_ >= failAt) return std::nullopt;
    const size_t count = std::min({into.size(), step_, text_.size() - at_});
    std::memcpy(into.data(), text_.data() + std::exchange(at_, at_ + count), count);
    return count;
  }
  size_t failAt = SIZE_MAX;

 private:
  std::string_view text_;
  size_t step_, at_ = 0;
};

std::variant<ExportIndex, ExportError> Read(std::string_view text) {
  TextSource source(text);
  return ReadNcduExport(source, {}, false);
}

// The tree the walk makes of an export.
struct Walked {
  explicit Walked(std::string_view text) : read(Read(text)) {
    ExportListing listing(std::get<ExportIndex>(read), [this] { ++messages; });
    root.Reset(std::get<ExportIndex>(read).RootPath());
    root.Scan(cancel, 4096, false, {}, listing);
  }
  // The level at a path of folder names, each followed by '/'.
  const TFolderList& Level(std::string_view path) const {
    const TFolderList* level = &root;
    for (size_t at = 0, end; (end = path.find('/', at)) != std::string_view::npos; at = end + 1) {
      const std::string name = "\\" + std::string(path.substr(at, end - at));
      const auto& entries = level->Entries();
      level = (*std::find_if(entries.begin(), entries.end(), [&](auto* e) { return e->Name() == name; }))->SubList;
    }
    return *level;
  }
  std::vector<std::string> Names(std::string_view path) const {
    std::vector<std::string> names;
    for (const TFolderData* entry : Level(path).Entries()) names.emplace_back(entry->Name());
    return names;
  }

  std::variant<ExportIndex, ExportError> read;
  TFolderList root;
  bool cancel = false;
  int messages = 0;
};

TEST(NcduImport, RealExportsWalkLikeTheTreeTheirProducerShows) {
  // Per level: nominal, allocated, files, folders, read error. A hard-linked file counts
  // under ncdu's first name (f1link) and under the name gdu left unmarked (f1other).
  using Level = std::tuple<double, double, int32_t, int32_t, bool>;
  const std::vector<std::pair<const std::string*, std::vector<std::pair<const char*, Level>>>> exports = {
      {&kNcdu,
       {{"", {1073686, 53248, 11, 7, false}}, {"a/", {25100, 32768, 4, 2, false}},
        {"a/b/", {20100, 24576, 2, 1, false}}, {"a/b/c/", {20000, 20480, 1, 0, false}},
        {"d/", {1048580, 16384, 6, 0, false}}, {"mnt/", {6, 4096, 1, 0, false}},
        {"locked/", {0, 0, 0, 0, true}}, {"empty/", {0, 0, 0, 0, false}}}},
      {&kGdu,
       {{"", {5000, 8192, 4, 2, false}}, {"a/", {0, 0, 2, 0, false}}, {"d/", {5000, 8192, 2, 0, false}}}},
  };
  for (const auto& [text, levels] : exports) {
    const Walked walked(*text);
    EXPECT_EQ(walked.root.Path(), "/tmp/tree/");  // as written, and below it in the same manner
    EXPECT_EQ(walked.messages, 1 + walked.root.FolderCount());
    for (const auto& [path, expected] : levels) {
      const TFolderList& level = walked.Level(path);
      EXPECT_EQ(Level(level.NominalTotal(), level.AllocatedTotal(), level.FileCount(), level.FolderCount(),
                      level.ReadError()),
                expected)
          << path;
    }
  }
  // The same inode number on another device is another file; a device is inherited.
  const Walked devices(R"([1,2,{},[{"name":"h","dev":1},{"name":"x","asize":1,"ino":5,"nlink":2},
    [{"name":"s","dev":2},{"name":"x","asize":2,"ino":5,"hlnkc":true}],
    [{"name":"t"},{"name":"y","asize":4,"ino":5,"nlink":2}]]])");
  EXPECT_EQ(devices.root.NominalTotal(), 1 + 2);
  const Walked ncdu(kNcdu);
  EXPECT_EQ(ncdu.Names(""), (std::vector<std::string>{"\\locked", "\\mnt", "\\empty", "\\a", "\\d"}));
  EXPECT_EQ(ncdu.Names("d/"), (std::vector<std::string>{"..", "bad\uFFFD\uFFFDname", "sparse", "ünï€😀", "quo\"te",
                                                         "ctl\x01\tx", "f1other"}));
  EXPECT_EQ(std::get<ExportIndex>(ncdu.read).LeftOut(), 1u);  // "back\slash", a Linux name only
  EXPECT_EQ(ncdu.Level("a/b/c/").Path(), "/tmp/tree/a/b/c/");
}

// A tree read from Linux keeps the form of its paths wherever they are shown, found or
// written, and read again it is the same.
TEST(NcduImport, ALinuxTreeKeepsItsPathsAndWrittenAgainReadsBackTheSame) {
  struct MemorySink : ExportSink {
    bool Write(std::string_view bytes) override { return (text += bytes, true); }
    std::string text;
  };
  Walked first(kNcdu);
  EXPECT_EQ(LevelAt(first.root, "/tmp/tree/a/b/"), &first.Level("a/b/"));
  MemorySink csv, written;
  ASSERT_TRUE(WriteTreeCsv(first.root, csv));
  EXPECT_NE(csv.text.find("\r\n/tmp/tree/a/b/c/deep,"), std::string::npos);
  ASSERT_TRUE(WriteNcduJson(first.root, "1", 0, written));
  const Walked again(written.text);
  EXPECT_EQ(again.root.Path(), "/tmp/tree/");
  for (const char* path : {"", "a/", "a/b/c/", "d/"}) EXPECT_EQ(again.Names(path), first.Names(path)) << path;
}

TEST(NcduImport, DecodesEveryEscapeAndSkipsWhatItDoesNotKnow) {
  const Walked walked(R"([1,7,{"progname":"x","more":[{"deep":[1,-2.5e+3,true,false,null,"\u0041"]}]},
    [{"name":"r\\\/\u0000","mode":16877,"unknown":{"a":[[],{}]}},
     {"name":"\u00e9\ud83d\ude00","asize":1,"notreg":false},
     {"name":"x","asize":32,"excluded":null},
     {"name":"lone\ud800x\udc00\ud800","asize":2},
     {"name":"\"\b\f\n\r\t","asize":4},
     [{"name":"gone","excluded":"othfs"},{"name":"inside","asize":8}]], "later"])");
  EXPECT_EQ(walked.root.Path(), "r\\/\uFFFD\\");
  EXPECT_EQ(walked.Names(""), (std::vector<std::string>{"é😀", "lone\uFFFDx\uFFFD\uFFFD", "\"\b\f\n\r\t"}));
  EXPECT_EQ(walked.root.NominalTotal(), 1 + 2 + 4);
}

// Names with a separator or NUL, which no Windows folder holds, are left out with all
// below them and counted; two folders of one name are each found.
TEST(NcduImport, LeavesOutNamesNoWindowsFolderHoldsAndFindsFoldersOfOneName) {
  Walked walked(R"([1,0,{},[{"name":"C:\\x"},
    [{"name":"a\\b"},{"name":"one","asize":1},[{"name":"below"},{"name":"f","asize":1}]],
    [{"name":"a"},[{"name":"b"},{"name":"two","asize":2}]],
    {"name":"s\/l","asize":4},{"name":"nul\u0000","asize":8},{"name":"e\\x","asize":16,"excluded":"pattern"},
    [{"name":"a"},{"name":"three","asize":3}]]])");
  std::vector<double> sizes;
  for (const TFolderData* entry : walked.root.Entries()) sizes.push_back(entry->Nominal);
  EXPECT_EQ(sizes, (std::vector<double>{2, 3}));
  EXPECT_EQ(std::get<ExportIndex>(walked.read).LeftOut(), 3u);
  EXPECT_EQ(walked.Level("a/b/").NominalTotal(), 2);
  // Out of the walk's order, and outside the tree: "c\b" is not "a"'s "b".
  ExportListing listing(std::get<ExportIndex>(walked.read), {});
  FolderListing found;
  for (const char* path : {"C:\\x\\c\\b\\", "C:\\x\\a\\b\\two\\", "C:\\y\\", "C:\\x\\a"})
    EXPECT_EQ(listing.ListFolder(path, found), ListingOutcome::NotFound) << path;
  EXPECT_EQ(listing.ListFolder("C:\\x\\a\\b\\", found), ListingOutcome::Listed);
  EXPECT_TRUE(found.Count() == 1 && found[0].Name == "two");
}

std::string Nested(size_t depth) {
  std::string text = "[1,2,{},";
  for (size_t i = 0; i < depth; ++i) text += R"([{"name":"n"},)";
  return text + R"({"name":"f","asize":1})" + std::string(depth + 1, ']');
}

TEST(NcduImport, MalformedOrTruncatedInputStopsWhereItGoesWrong) {
  const std::string named = R"([1,0,{},[{"name":"r",)";  // its info object ends here
  const std::string root = R"([1,0,{},[{"name":"r"},)";    // its first entry comes next
  const std::string tooDeep = Nested(kMaxFolderDepth + 1);
  const std::vector<std::tuple<std::string, uint64_t, std::string>> cases = {
      {"", 0, "unexpected end of file"},
      {"[2,0,{},[]]", 1, "unsupported format version"},
      {"[1,0,[],[]]", 5, "expected the metadata object"},
      {"[1,0,{} [", 8, "expected ',' or ']'"},
      {R"([1,0,{"a" 1}])", 10, "expected ':'"},
      {R"([1,0,{"a":1,}])", 12, "expected a key"},
      {R"([1,0,{},[{"asize":1}]])", 9, "entry without a name"},
      {R"([1,0,{},[{"name":7}]])", 17, "expected a name"},
      {R"([1,0,{},[{"name":""}]])", 17, "the root has no name"},
      {root + R"({"name":".."}]])", 30, "a name no file system lists"},
      {root + R"([{"name":"."}]]])", 31, "a name no file system lists"},
      {root + R"({"name":""}]])", 30, "a name no file system lists"},
      {R"([1,0,{},[{"name":"a\x"}]])", 19, "bad escape in a string"},
      {R"([1,0,{},[{"name":"a\u12G4"}]])", 19, "bad escape in a string"},
      {"[1,0,{},[{\"name\":\"a\tb\"}]]", 19, "control character in a string"},
      {R"([1,0,{},[{"name":")" + std::string(kMaxNameBytes + 1, 'x') + "\"}]]", 17, "name too long"},
      {named + R"("x":-}]])", 26, "bad number"},
      {named + R"("x":nul}]])", 25, "expected a value"},
      {named + R"("asize":-1}]])", 29, "negative number"},
      {named + R"("asize":1.5}]])", 29, "not a whole number"},
      {named + R"("dsize":9223372036854775808}]])", 29, "number too large"},
      {named + R"("x":1},]])", 28, "expected a value"},
      {named + R"("x":1},5]])", 28, "expected a file or a folder"},
      {named + R"("x":1},[5]]])", 29, "expected the folder's info object"},
      {named + R"("x":1}]] x)", 30, "unexpected data after the end"},
      {tooDeep, tooDeep.rfind('['), "folders nested too deep"},
  };
  for (const auto& [text, offset, reason] : cases) {
    const ExportError error = std::get<ExportError>(Read(text));
    EXPECT_EQ(std::tuple(error.Offset, error.Reason, error.Cancelled), std::tuple(offset, reason, false))
        << text.substr(0, 60);
  }
  const ExportError nested = std::get<ExportError>(Read("[1,0,{\"x\":" + std::string(2 * kMaxFolderDepth, '[')));
  EXPECT_EQ(nested.Reason, "nesting too deep");
  EXPECT_LT(nested.Offset, kMaxFolderDepth + 100);
  for (size_t size = 0; size < kNcdu.size(); ++size) {
    const ExportError error = std::get<ExportError>(Read(std::string_view(kNcdu).substr(0, size)));
    ASSERT_EQ(std::pair(error.Offset, error.Reason), std::pair(uint64_t{size}, std::string("unexpected end of file")));
  }
}

TEST(NcduImport, NestsDeepWithoutRecursionAndStopsOnCancelOrReadFailure) {
  const Walked deep(Nested(101));
  EXPECT_EQ(std::pair(deep.root.FolderCount(), deep.root.FileCount()), std::pair(100, 1));
  EXPECT_TRUE(std::holds_alternative<ExportIndex>(Read(Nested(kMaxFolderDepth))));

  bool cancel = false;
  uint64_t heard = 0;
  TextSource source(kNcdu, 100), failing(kNcdu, 100);
  const auto stop = [&](uint64_t bytes) { cancel = (heard = bytes) >= 300; };
  const ExportError cancelled = std::get<ExportError>(ReadNcduExport(source, stop, cancel));
  EXPECT_TRUE(cancelled.Cancelled);
  EXPECT_EQ(std::pair(cancelled.Offset, heard), std::pair(uint64_t{300}, uint64_t{300}));
  failing.failAt = 200;
  cancel = false;
  const ExportError unread = std::get<ExportError>(ReadNcduExport(failing, {}, cancel));
  EXPECT_EQ(unread.Offset, 200u);
  EXPECT_EQ(unread.Reason, "the file could not be read");
}

}  // namespace
