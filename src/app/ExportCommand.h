#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The formats the whole tree is exported in.
enum class TreeFormat { NcduJson, Csv };

// The format a file's extension names, ".json" or ".csv" in any case; none for others.
std::optional<TreeFormat> TreeFormatOf(std::string_view path);

// "/export FILE [FOLDER]" (or "-export"): scan FOLDER, the current folder when none is
// given, without a window, and leave its tree in FILE.
struct ExportCommand {
  std::string File;
  std::string Folder;  // "" for the current folder
  TreeFormat Format = TreeFormat::NcduJson;
};

// What is wrong with an export command, as one line for the console.
struct CommandError {
  std::string Message;
};

// Nothing when the arguments ask for no export: the program then shows its window.
std::optional<std::variant<ExportCommand, CommandError>> ParseExportCommand(const std::vector<std::string>& arguments);
