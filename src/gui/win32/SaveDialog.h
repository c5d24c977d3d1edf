#pragma once

#include <string>

#include "gui/Component.h"
#include "win32/WinApi.h"

// The system's dialog for choosing a file name to save under. It does not ask about
// overwriting: that is the caller's question.
class TSaveDialog : public TComponent {
 public:
  // Shows the dialog; true when the user chose a file, then in FileName.
  bool Execute(HWND owner);

  std::string FileName;
  std::string DefaultExt;  // without the dot
  // Pairs of description and pattern, "|"-separated: "Text files (*.txt)|*.txt|...".
  std::string Filter;
  std::string Title;
};
