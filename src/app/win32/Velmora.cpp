// Velmora: where the space on a disk goes, as a pie chart of one folder level at a time.
#include <optional>
#include <string>

#include "app/win32/FormMain.h"
#include "app/win32/Win32Platform.h"
#include "gui/win32/Application.h"
#include "gui/win32/Guarded.h"
#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

#include <commctrl.h>
#include <shellapi.h>

namespace {

// The first command-line argument, split as Windows splits arguments.
std::optional<std::string> FirstArgument() {
  int count = 0;
  const LocalMemory<LPWSTR> arguments(CommandLineToArgvW(GetCommandLineW(), &count));
  if (!arguments || count < 2) return std::nullopt;
  return WideToUtf8(arguments.Get()[1]);
}

int Run() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  Application().Title = "Velmora";
  TWin32Platform platform([] { Application().ProcessMessages(); });
  // The main window makes the program's other forms; they live until the program ends.
  TFinalForm<TMainForm> mainForm(platform.Seams(), FirstArgument());
  Application().Run(mainForm);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return Guarded(1, Run); }
