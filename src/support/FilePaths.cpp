#include "support/FilePaths.h"

namespace {

size_t FolderLength(std::string_view path) {
  const size_t separator = path.find_last_of("\\/:");
  return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::string_view ExtractFilePath(std::string_view path) { return path.substr(0, FolderLength(path)); }

std::string_view ExtractFileName(std::string_view path) { return path.substr(FolderLength(path)); }

std::string_view ExtractFileExt(std::string_view path) {
  const std::string_view name = ExtractFileName(path);
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

bool IsDriveRoot(std::string_view path) {
  return path.size() == 3 && ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z') && path[1] == ':' && path[2] == '\\';
}
