#include "export/ExportedRoot.h"

std::string ExportedRootName(const TFolderList& root) {
  std::string name = root.Path();
  if (name.size() > 1 && name.back() == PathSeparator(name) && name[name.size() - 2] != ':') name.pop_back();
  return name;
}
