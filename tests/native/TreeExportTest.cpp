#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "DeepFileSystem.h"
#include "FakeFileSystem.h"
#include "export/CsvExport.h"
#include "export/NcduJsonExport.h"
#include "scan/FolderList.h"

namespace {

// Keeps what it takes (of a big export only the end) and refuses every write from the
// one numbered `RefuseFrom` on.
struct MemorySink : ExportSink {
  bool Write(std::string_view bytes) override {
    if (++Writes >= RefuseFrom) return false;
    Text += bytes;
    if (Text.size() > 2 * kKept) Text.erase(0, Text.size() - kKept);
    return true;
  }
  static constexpr size_t kKept = 1 << 20;
  int RefuseFrom = INT_MAX;
  int Writes = 0;
  std::string Text;
};

// A drive's root with its free-space entry, a folder that cannot be listed, a link not
// followed, a file with two names, and names that need escaping, quoting, or mending (a
// byte that is no UTF-8).
class TreeExport : public ::testing::Test {
 protected:
  TreeExport() {
    fs.AddFile("C:\\Data\\a \"quoted\", name.txt", 100);
    fs.AddFolder("C:\\Data\\Locked").Listing = ListingOutcome::AccessDenied;
    fs.AddFile("C:\\Data\\Sub\\line\nbreak\x01.bin", 5368709121);
    fs.AddFile("C:\\Data\\Sub\\caf\xC3\xA9 \xFF.txt", 0);
    fs.AddFolder("C:\\Data\\Sub\\Empty");
    fs.AddFolder("C:\\Data\\Sub\\Shortcut", kAttributeDirectory | kAttributeReparsePoint).ReparseTag = 0xA000000C;
    FakeFileSystem::Node& linked = fs.AddFile("C:\\z.log", 4096);
    linked.FileId = 77;
    linked.Links = 2;
    root.Reset("C:\\");
    root.AddFile("(C: free space)", -1e9, -1e9);
    root.Scan(cancel, 4096, false, nullptr, fs);
  }

  FakeFileSystem fs;
  TFolderList root;
  bool cancel = false;
  MemorySink sink;
};

TEST_F(TreeExport, WritesNcduJson) {
  ASSERT_TRUE(WriteNcduJson(root, "3.1", 1700000000, sink));
  EXPECT_EQ(sink.Text, R"([1,2,{"progname":"Velmora","progver":"3.1","timestamp":1700000000},
[{"name":"C:\\"},
[{"name":"Data"},
{"name":"a \"quoted\", name.txt","asize":100,"dsize":4096},
[{"name":"Locked","read_error":true}],
[{"name":"Sub"},
{"name":"line\nbreak\u0001.bin","asize":5368709121,"dsize":5368713216},
{"name":"caf)" "\xC3\xA9 \xEF\xBF\xBD" R"(.txt","asize":0,"dsize":0},
[{"name":"Empty"}],
{"name":"Shortcut","notreg":true}]],
{"name":"z.log","asize":4096,"dsize":4096,"ino":77,"nlink":2,"hlnkc":true}]]
)");
}

TEST_F(TreeExport, WritesCsv) {
  ASSERT_TRUE(WriteTreeCsv(root, sink));
  EXPECT_EQ(sink.Text,
            "\xEF\xBB\xBFPath,Kind,Nominal,Allocated,Slack,Files,Folders\r\n"
            "C:\\,folder,5368713317,5368721408,8091,4,5\r\n"
            "C:\\Data,folder,5368709221,5368717312,8091,3,4\r\n"
            "\"C:\\Data\\a \"\"quoted\"\", name.txt\",file,100,4096,3996,,\r\n"
            "C:\\Data\\Locked,folder,0,0,0,0,0\r\n"
            "C:\\Data\\Sub,folder,5368709121,5368713216,4095,2,2\r\n"
            "\"C:\\Data\\Sub\\line\nbreak\x01.bin\",file,5368709121,5368713216,4095,,\r\n"
            "C:\\Data\\Sub\\caf\xC3\xA9 \xEF\xBF\xBD.txt,file,0,0,0,,\r\n"
            "C:\\Data\\Sub\\Empty,folder,0,0,0,0,0\r\n"
            "C:\\Data\\Sub\\Shortcut,folder,0,0,0,0,0\r\n"
            "C:\\z.log,file,4096,4096,0,,\r\n");
}

class DeepTreeExport : public ::testing::Test {
 protected:
  static constexpr int kDepth = 10000;
  DeepTreeExport() {
    bool cancel = false;
    root.Scan(cancel, 4096, false, nullptr, fs);
  }
  std::string Repeated(std::string_view text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) repeated += text;
    return repeated;
  }

  DeepFileSystem fs{"C:\\Deep\\", kDepth};
  TFolderList root{"C:\\Deep\\"};
  MemorySink sink;
};

TEST_F(DeepTreeExport, WritesTenThousandLevelsWithoutRecursingAndStopsWhenTheSinkFails) {
  ASSERT_TRUE(WriteNcduJson(root, "3.1", 0, sink));
  EXPECT_TRUE(sink.Text.starts_with("[1,2,{\"progname\":\"Velmora\",\"progver\":\"3.1\",\"timestamp\":0},\n"
                                    "[{\"name\":\"C:\\\\Deep\"},\n[{\"name\":\"a\"},\n"));
  EXPECT_TRUE(sink.Text.ends_with("{\"name\":\"bottom.txt\",\"asize\":42,\"dsize\":4096}" + Repeated("]", kDepth + 2) +
                                  "\n"));

  MemorySink csv;
  ASSERT_TRUE(WriteTreeCsv(root, csv));
  EXPECT_TRUE(csv.Text.ends_with("\r\nC:\\Deep\\" + Repeated("a\\", kDepth) + "bottom.txt,file,42,4096,4054,,\r\n"));

  MemorySink refusing, refusingCsv;  // nothing written after the sink fails
  refusing.RefuseFrom = refusingCsv.RefuseFrom = 2;
  EXPECT_FALSE(WriteNcduJson(root, "3.1", 0, refusing) || WriteTreeCsv(root, refusingCsv));
  EXPECT_EQ(std::pair(refusing.Writes, refusingCsv.Writes), std::pair(2, 2));
}

}  // namespace
