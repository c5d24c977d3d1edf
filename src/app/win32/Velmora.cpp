// Velmora: where the space on a disk goes, as a pie chart of one folder level at a time.
#include <optional>
#include <string>

#include "app/win32/FormMain.h"
#include "gui/win32/Application.h"
#include "gui/win32/Guarded.h"
#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/Win32FileFacts.h"
#include "win32/Win32Registry.h"
#include "win32/Win32ScanPlatform.h"
#include "win32/Win32VersionSource.h"
#include "win32/Win32VolumeApi.h"
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
  Win32ScanPlatform scanPlatform([] { Application().ProcessMessages(); });
  Win32VolumeApi volumeApi;
  Win32Registry registry;
  Win32VersionSource versionSource;
  Win32FileFacts fileFacts;
  // The main window makes the program's other forms; they live until the program ends.
  const TMainPlatform platform{.Scan = scanPlatform,
                               .Volumes = volumeApi,
                               .Keys = registry,
                               .Versions = versionSource,
                               .Files = fileFacts};
  TFinalForm<TMainForm> mainForm(platform, FirstArgument());
  Application().Run(mainForm);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return Guarded(1, Run); }
