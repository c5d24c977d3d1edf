#pragma once

#include "app/ShellActions.h"

// The shell's verbs, Explorer, the clipboard and the Recycle Bin (SHFileOperation, which
// Wine maps to the user's trash folder). Dialogs the shell shows belong to the active
// window.
class Win32ShellActions final : public ShellActions {
 public:
  std::string Open(const std::string& path) override;
  std::string ShowInFolder(const std::string& path) override;
  std::string CopyText(const std::string& text) override;
  RecycleResult Recycle(const std::string& path) override;
};
