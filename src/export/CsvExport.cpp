#include "export/CsvExport.h"

#include <algorithm>
#include <string>
#include <vector>

#include "export/BufferedSink.h"
#include "export/ExportedRoot.h"
#include "scan/TreeWalk.h"

namespace {

constexpr AsciiEscapes kUnquoted{};
constexpr AsciiEscapes kQuoted = [] {
  AsciiEscapes escapes{};
  escapes['"'] = "\"\"";
  return escapes;
}();

struct Row {
  double Nominal = 0;
  double Allocated = 0;
  double Slack = 0;
  bool Folder = false;  // only folders count files and folders
  int32_t Files = 0;
  int32_t Folders = 0;
};

void PutRow(BufferedSink& out, std::string_view path, const Row& row) {
  const bool plain =
      std::none_of(path.begin(), path.end(), [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
  if (plain) {
    out.PutText(path, kUnquoted);
  } else {
    out.Put('"');
    out.PutText(path, kQuoted);
    out.Put('"');
  }
  out.Put(row.Folder ? ",folder," : ",file,");
  out.PutWhole(row.Nominal);
  out.Put(',');
  out.PutWhole(row.Allocated);
  out.Put(',');
  out.PutWhole(row.Slack);
  if (row.Folder) {
    out.Put(',');
    out.PutWhole(row.Files);
    out.Put(',');
    out.PutWhole(row.Folders);
    out.Put("\r\n");
  } else {
    out.Put(",,\r\n");
  }
}

// Sums of what is written below the root: its own totals may count the free-space entry.
Row RootRow(const TFolderList& root) {
  Row row{.Folder = true, .Folders = root.FolderCount()};
  for (const TFolderData* entry : root.Entries()) {
    if (!IsFileOrFolder(*entry)) continue;
    row.Nominal += entry->Nominal;
    row.Allocated += entry->Allocated;
    row.Slack += entry->Slack();
    row.Files += entry->FileCount;
  }
  return row;
}

}  // namespace

bool WriteTreeCsv(const TFolderList& root, ExportSink& sink) {
  BufferedSink out(sink);
  out.Put("\xEF\xBB\xBF" "Path,Kind,Nominal,Allocated,Slack,Files,Folders\r\n");
  PutRow(out, ExportedRootName(root), RootRow(root));
  // The path of the folder being written, with a trailing separator, and its length
  // before each folder below the root was entered.
  std::string path = root.Path();
  const char separator = PathSeparator(path);
  if (path.empty() || path.back() != separator) path += separator;
  std::vector<size_t> above;
  TreeWalk walk(root);
  for (TreeWalk::Step step; (step = walk.Next()) != TreeWalk::Step::Done && !out.Failed();) {
    if (step == TreeWalk::Step::FolderEnd) {
      path.resize(above.back());
      above.pop_back();
      continue;
    }
    const TFolderData& entry = walk.Entry();
    const size_t folderLength = path.size();
    if (step == TreeWalk::Step::File) {
      path += entry.Name();
      PutRow(out, path, {entry.Nominal, entry.Allocated, entry.Slack()});
      path.resize(folderLength);
      continue;
    }
    path += entry.Name().substr(1);  // without the leading "\"
    const TFolderList& level = *entry.SubList;
    PutRow(out, path, {entry.Nominal, entry.Allocated, entry.Slack(), true, level.FileCount(), level.FolderCount()});
    if (step == TreeWalk::Step::Link) {  // a folder as any other here, with nothing below it
      path.resize(folderLength);
      continue;
    }
    above.push_back(folderLength);
    path += separator;
  }
  return out.Finish();
}
