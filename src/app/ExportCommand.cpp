#include "app/ExportCommand.h"

#include "support/FilePaths.h"
#include "support/Strings.h"

std::optional<TreeFormat> TreeFormatOf(std::string_view path) {
  const std::string extension = LowerCase(ExtractFileExt(path));
  if (extension == ".json") return TreeFormat::NcduJson;
  if (extension == ".csv") return TreeFormat::Csv;
  return std::nullopt;
}

std::optional<std::variant<ExportCommand, CommandError>> ParseExportCommand(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return std::nullopt;
  const std::string command = LowerCase(arguments.front());
  if (command != "/export" && command != "-export") return std::nullopt;
  if (arguments.size() < 2 || arguments.size() > 3 || arguments[1].empty())
    return CommandError{"Usage: Velmora /export FILE [FOLDER]   (FILE ends in .json or .csv)"};
  const std::optional<TreeFormat> format = TreeFormatOf(arguments[1]);
  if (!format) return CommandError{arguments[1] + ": the name ends in neither .json nor .csv"};
  return ExportCommand{arguments[1], arguments.size() == 3 ? arguments[2] : "", *format};
}
