#pragma once

#include <string>

// What the shell does with a file or folder the user chose. Each call answers with the
// reason it failed, or "" when it was done.
class ShellActions {
 public:
  virtual ~ShellActions() = default;
  // The shell's default action, as a double-click in Explorer.
  virtual std::string Open(const std::string& path) = 0;
  // Explorer opened on the containing folder, the item selected.
  virtual std::string ShowInFolder(const std::string& path) = 0;
  // The text as Unicode on the clipboard.
  virtual std::string CopyText(const std::string& text) = 0;

  enum class Recycled { Done, Declined, Failed };
  struct RecycleResult {
    Recycled Outcome = Recycled::Failed;
    std::string Reason;  // when it failed
  };
  // Moves the item to the Recycle Bin. Where the bin cannot take it, the shell's own
  // warning asks first; a "No" there declines, and nothing changes.
  virtual RecycleResult Recycle(const std::string& path) = 0;
};
