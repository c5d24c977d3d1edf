#include "app/win32/HeadlessExport.h"

#include <exception>
#include <string>
#include <vector>

#include "app/ScanDriver.h"
#include "app/win32/ProgramSettings.h"
#include "app/win32/TreeExportFile.h"
#include "win32/Files.h"
#include "win32/Handles.h"
#include "win32/RealFileSystem.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

namespace {

// A program without a console of its own writes to a redirected error output, or else
// to the console of the program that started it, when there is one.
void Tell(const std::string& line) {
  const std::string text = line + "\r\n";
  DWORD written = 0;
  HANDLE errors = GetStdHandle(STD_ERROR_HANDLE);
  DWORD consoleMode = 0;
  if (errors && errors != INVALID_HANDLE_VALUE && !GetConsoleMode(errors, &consoleMode)) {  // a file, a pipe or NUL
    WriteFile(errors, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  const FileHandle console(
      CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  const std::wstring wide = Utf8ToWide(text);
  if (console) WriteConsoleW(console.Get(), wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

// The folder as a full path ending in a backslash; none when it is no folder.
std::optional<std::string> FolderPath(const std::string& folder) {
  std::optional<std::wstring> full = FullPath(Utf8ToWide(folder.empty() ? "." : folder));
  if (!full) return std::nullopt;
  const DWORD attributes = [&] {
    const RealFileSystem real;
    return GetFileAttributesW(ExtendedLengthPath(*full).c_str());
  }();
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  if (full->back() != L'\\') *full += L'\\';
  return WideToUtf8(*full);
}

// Nobody sees the scan.
class Unseen : public ScanView {
  void TreeGoing() override {}
  void ScanBegins() override {}
  void Sizes(bool, bool) override {}
  void Scanned(TFolderList&) override {}
  void ScanEnds() override {}
};

int Export(const ExportCommand& command, Platform& platform) {
  const std::optional<std::string> folder = FolderPath(command.Folder);
  if (!folder) {
    Tell((command.Folder.empty() ? "The current folder" : command.Folder) + ": no such folder");
    return 2;
  }
  TSettings settings = LoadProgramSettings(platform.Keys());
  settings.DisplayFreeDiskSpace = false;  // no part of an export
  Unseen unseen;
  ScanDriver driver(platform, unseen);
  driver.Scan(*folder, settings);
  // Only the scanned folder itself, which the scan notes first: a folder below it that
  // cannot be listed is part of what the export tells (read_error).
  const std::vector<NotedPaths::Noted>& unreadable = driver.LastReport()->Notes.Unreadable.Kept();
  if (driver.Root().ReadError() && !unreadable.empty()) {
    Tell(unreadable.front().Path + ": " + ListingFailureText(unreadable.front().Detail));
    return 1;
  }
  const std::string failure = WriteTreeFile(driver.Root(), command.File, command.Format);
  if (failure.empty()) return 0;
  Tell(failure);
  return 1;
}

}  // namespace

int RunExportCommand(const std::variant<ExportCommand, CommandError>& command, Platform& platform) {
  // A drive without its disk fails the call; no box waits for a user who is not there.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  if (const auto* error = std::get_if<CommandError>(&command)) {
    Tell(error->Message);
    return 2;
  }
  try {
    return Export(std::get<ExportCommand>(command), platform);
  } catch (const std::exception& failure) {
    Tell(failure.what());
  } catch (...) {
    Tell("The export failed.");
  }
  return 1;
}
