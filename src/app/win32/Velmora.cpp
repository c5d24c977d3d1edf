// Velmora: where the space on a disk goes, as a pie chart of one folder level at a time.
#include "app/ExportCommand.h"
#include "app/win32/FormMain.h"
#include "app/win32/HeadlessExport.h"
#include "app/win32/Win32Platform.h"
#include "gui/win32/framework/Application.h"
#include "gui/win32/framework/Guarded.h"
#include "support/CommandLine.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

#include <commctrl.h>

namespace {

int Run() {
  const std::string commandLine = WideToUtf8(GetCommandLineW());
  if (const auto command = ParseExportCommand(Arguments(commandLine))) {
    TWin32Platform platform([] {});  // no window, no messages
    return RunExportCommand(*command, platform);
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  Application().Title = "Velmora";
  TWin32Platform platform([] { Application().ProcessMessages(); });
  // The main window makes the program's other forms; they live until the program ends.
  TFinalForm<TMainForm> mainForm(platform, FirstArgument(commandLine));
  Application().Run(mainForm);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return Guarded(1, Run); }
