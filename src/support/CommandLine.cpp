#include "support/CommandLine.h"

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The argument that starts at or after `at`; `at` moves past it.
std::string NextArgument(std::string_view line, size_t& at) {
  while (at < line.size() && IsBlank(line[at])) ++at;
  std::string argument;
  bool quoted = false;
  for (; at < line.size() && (quoted || !IsBlank(line[at])); ++at) {
    if (line[at] == '"')
      quoted = !quoted;
    else
      argument += line[at];
  }
  return argument;
}

}  // namespace

std::optional<std::string> FirstArgument(std::string_view commandLine) {
  const std::vector<std::string> arguments = Arguments(commandLine);
  if (arguments.empty() || arguments.front().empty()) return std::nullopt;
  return arguments.front();
}

std::vector<std::string> Arguments(std::string_view commandLine) {
  size_t at = 0;
  NextArgument(commandLine, at);  // the program
  std::vector<std::string> arguments;
  while (true) {
    while (at < commandLine.size() && IsBlank(commandLine[at])) ++at;
    if (at == commandLine.size()) return arguments;
    arguments.push_back(NextArgument(commandLine, at));
  }
}
