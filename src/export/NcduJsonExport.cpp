#include "export/NcduJsonExport.h"

#include "export/BufferedSink.h"
#include "export/ExportedRoot.h"
#include "scan/TreeWalk.h"

namespace {

constexpr AsciiEscapes kJsonEscapes = [] {
  constexpr std::string_view kControls[] = {
      "\\u0000", "\\u0001", "\\u0002", "\\u0003", "\\u0004", "\\u0005", "\\u0006", "\\u0007",
      "\\b",     "\\t",     "\\n",     "\\u000b", "\\f",     "\\r",     "\\u000e", "\\u000f",
      "\\u0010", "\\u0011", "\\u0012", "\\u0013", "\\u0014", "\\u0015", "\\u0016", "\\u0017",
      "\\u0018", "\\u0019", "\\u001a", "\\u001b", "\\u001c", "\\u001d", "\\u001e", "\\u001f"};
  AsciiEscapes escapes{};
  for (size_t c = 0; c < 0x20; ++c) escapes[c] = kControls[c];
  escapes['"'] = "\\\"";
  escapes['\\'] = "\\\\";
  return escapes;
}();

void PutString(BufferedSink& out, std::string_view text) {
  out.Put('"');
  out.PutText(text, kJsonEscapes);
  out.Put('"');
}

// A folder's array and its info object; its contents and "]" follow.
void OpenFolder(BufferedSink& out, std::string_view name, const TFolderList& level) {
  out.Put("[{\"name\":");
  PutString(out, name);
  if (level.ReadError()) out.Put(",\"read_error\":true");
  out.Put('}');
}

}  // namespace

bool WriteNcduJson(const TFolderList& root, std::string_view programVersion, int64_t timestamp, ExportSink& sink) {
  BufferedSink out(sink);
  out.Put("[1,2,{\"progname\":\"Velmora\",\"progver\":");
  PutString(out, programVersion);
  out.Put(",\"timestamp\":");
  out.PutWhole(static_cast<double>(timestamp));
  out.Put("},\n");
  OpenFolder(out, ExportedRootName(root), root);
  TreeWalk walk(root);
  for (TreeWalk::Step step; (step = walk.Next()) != TreeWalk::Step::Done && !out.Failed();) {
    if (step == TreeWalk::Step::FolderEnd) {
      out.Put(']');
      continue;
    }
    const TFolderData& entry = walk.Entry();
    out.Put(",\n");
    if (step == TreeWalk::Step::Folder) {
      OpenFolder(out, entry.Name().substr(1), *entry.SubList);  // without the leading "\"
      continue;
    }
    out.Put("{\"name\":");
    if (step == TreeWalk::Step::Link) {
      // Neither a file nor a folder entered: what ncdu writes for a symbolic link.
      PutString(out, entry.Name().substr(1));
      out.Put(",\"notreg\":true}");
      continue;
    }
    PutString(out, entry.Name());
    out.Put(",\"asize\":");
    out.PutWhole(entry.Nominal);
    out.Put(",\"dsize\":");
    out.PutWhole(entry.Allocated);
    if (const HardLink* link = root.HardLinkOf(entry)) {
      // So that a reader counts the file once, whichever of its names it meets.
      out.Put(",\"ino\":");
      out.PutWhole(static_cast<double>(link->FileId));
      out.Put(",\"nlink\":");
      out.PutWhole(link->Links);
      out.Put(",\"hlnkc\":true");
    }
    out.Put('}');
  }
  out.Put("]]\n");
  return out.Finish();
}
