#include "TempFolder.h"

#include <stdexcept>
#include <vector>

#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

std::wstring Extended(const std::wstring& fullPath) { return L"\\\\?\\" + fullPath; }

TempFolder::TempFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  for (int attempt = 0;; ++attempt) {
    path_ = std::wstring(temp) + L"velmora-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(attempt) + L"\\";
    if (CreateDirectoryW(path_.c_str(), nullptr)) return;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create a temporary folder");
  }
}

TempFolder::~TempFolder() {
  // Under Wine, rm is far quicker on deep trees than Windows calls.
  const std::wstring unixPath = UnixPath(L"");
  if (unixPath.empty() || !RunUnixProgram(L"Z:\\bin\\rm", L"-rf \"" + unixPath + L"\"", path_, false))
    RemoveWithWin32Calls();
}

void TempFolder::RemoveWithWin32Calls() {
  // Depth first without recursion; reparse points are removed, never entered.
  std::vector<std::wstring> pending{Extended(path_)};
  std::vector<std::wstring> folders;
  while (!pending.empty()) {
    const std::wstring folder = pending.back();
    pending.pop_back();
    folders.push_back(folder);
    WIN32_FIND_DATAW found;
    const FindHandle search(FindFirstFileW((folder + L"*").c_str(), &found));
    if (!search) continue;
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + name;
      const DWORD attributes = found.dwFileAttributes;
      if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        pending.push_back(path + L"\\");
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileW(path.c_str())) RemoveDirectoryW(path.c_str());
      }
    } while (FindNextFileW(search.Get(), &found));
  }
  for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) RemoveDirectoryW(folder->c_str());
}

std::string TempFolder::PathUtf8() const { return WideToUtf8(path_); }

bool TempFolder::MakeFolder(const std::wstring& relative) {
  for (size_t end = relative.find(L'\\'); end != std::wstring::npos; end = relative.find(L'\\', end + 1))
    CreateDirectoryW(Extended(path_ + relative.substr(0, end)).c_str(), nullptr);
  return CreateDirectoryW(Extended(path_ + relative).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

void TempFolder::MakeFile(const std::wstring& relative, uint64_t size, uint32_t attributes) {
  const size_t slash = relative.rfind(L'\\');
  if (slash != std::wstring::npos) MakeFolder(relative.substr(0, slash));
  const FileHandle file(CreateFileW(Extended(path_ + relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw std::runtime_error("cannot create " + WideToUtf8(relative));
  LARGE_INTEGER end;
  end.QuadPart = static_cast<LONGLONG>(size);
  if (!SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) || !SetEndOfFile(file.Get()))
    throw std::runtime_error("cannot size " + WideToUtf8(relative));
  if (attributes) SetFileAttributesW(Extended(path_ + relative).c_str(), attributes);
}

std::wstring TempFolder::UnixPath(const std::wstring& relative) const {
  using UnixName = char*(CDECL*)(LPCWSTR);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (!unixName) return {};
  char* path = unixName((path_ + relative).c_str());
  if (!path) return {};
  std::wstring result = Utf8ToWide(path);
  HeapFree(GetProcessHeap(), 0, path);
  return result;
}

bool TempFolder::RunUnixProgram(const std::wstring& program, const std::wstring& arguments,
                                const std::wstring& watchedPath, bool expectPresent) {
  // Wine starts Unix programs too, but its handle to one cannot be waited on: watch
  // for the program's effect instead.
  std::wstring command = program + L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  const FileHandle processHandle(process.hProcess);
  const FileHandle threadHandle(process.hThread);
  const std::wstring watched = Extended(watchedPath);
  for (int waited = 0; waited < 60000; waited += 10) {
    if ((GetFileAttributesW(watched.c_str()) != INVALID_FILE_ATTRIBUTES) == expectPresent) return true;
    Sleep(10);
  }
  return false;
}

bool TempFolder::MakeUnixSymlink(const std::wstring& relative, const std::string& target) {
  const std::wstring link = UnixPath(relative);
  return !link.empty() && RunUnixProgram(L"Z:\\bin\\ln", L"-s \"" + Utf8ToWide(target) + L"\" \"" + link + L"\"",
                                         path_ + relative, true);
}

bool TempFolder::RunUnixScript(const std::string& script) {
  const std::wstring folder = UnixPath(L"");
  if (folder.empty()) return false;
  const std::wstring done = L"unix-script-done";
  const std::wstring command = L"-c \"cd '" + folder + L"' && " + Utf8ToWide(script) + L" && touch " + done + L"\"";
  if (!RunUnixProgram(L"Z:\\bin\\bash", command, path_ + done, true)) return false;
  return DeleteFileW((path_ + done).c_str()) != FALSE;
}

std::string FileContent(const std::wstring& path) {
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return {};
  std::string content(GetFileSize(file.Get(), nullptr), '\0');
  DWORD read = 0;
  ReadFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
  content.resize(read);
  return content;
}
