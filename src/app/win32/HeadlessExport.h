#pragma once

#include <variant>

#include "app/ExportCommand.h"
#include "app/Platform.h"

// Carries out "/export FILE [FOLDER]" without a window: scans the folder as the
// program's settings say and writes its tree to the file. The exit code: 0 when the file
// was written; 2 for a command or folder that is wrong, 1 when the scan or the writing
// failed. What went wrong goes, as one line, to the error output or to the console of
// the program that started this one.
int RunExportCommand(const std::variant<ExportCommand, CommandError>& command, Platform& platform);
