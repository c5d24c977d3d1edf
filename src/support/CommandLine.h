#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The first argument after the program's name in a command line, as the runtime's
// parameter split gives it: arguments are parted by blanks and control characters,
// double quotes group and are dropped, and a backslash is only a backslash, so the
// Explorer verb's "%1" of a drive ("D:\") arrives whole. None when there is none.
std::optional<std::string> FirstArgument(std::string_view commandLine);

// Every argument after the program's name, split the same way.
std::vector<std::string> Arguments(std::string_view commandLine);
