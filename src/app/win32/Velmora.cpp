// Velmora: where the space on a disk goes, as a pie chart of one folder level at a time.
#include <optional>
#include <string>

#include "app/win32/FormMain.h"
#include "dialogs/win32/AboutBx.h"
#include "dialogs/win32/FileProp.h"
#include "gui/win32/Application.h"
#include "gui/win32/Guarded.h"
#include "settings/win32/OptnDlg.h"
#include "win32/Handles.h"
#include "win32/WideText.h"
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
  // The forms, in this order, each living until the program ends.
  TMainForm mainForm(scanPlatform, volumeApi, registry, FirstArgument());
  TOptionsDialog optionsDialog(mainForm);
  TfrmFileProperties1 fileProperties(mainForm);
  TAboutBoxOrv1 aboutBox(mainForm, versionSource);
  mainForm.SetDialogs({.Options = &optionsDialog, .FileProperties = &fileProperties, .About = &aboutBox});
  Application().Run(mainForm);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return Guarded(1, Run); }
