#include "app/win32/TreeExportFile.h"

#include <ctime>

#include "app/win32/ProgramVersion.h"
#include "export/CsvExport.h"
#include "export/NcduJsonExport.h"
#include "win32/ReplacingFile.h"

std::string WriteTreeFile(const TFolderList& root, const std::string& path, TreeFormat format) {
  ReplacingFile file(path);
  const bool written = format == TreeFormat::Csv
                           ? WriteTreeCsv(root, file)
                           : WriteNcduJson(root, VELMORA_FILE_VERSION, static_cast<int64_t>(std::time(nullptr)), file);
  if (written && file.Commit()) return {};
  return file.Failure().empty() ? "Cannot write " + path : file.Failure();
}
