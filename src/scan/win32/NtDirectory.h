#pragma once
// The native directory listing calls, for the scan and the listing benchmark.

#include <string>

#include "win32/WinApi.h"

#include <winternl.h>

// Not declared by the headers at hand; ntdll has it on every NT version.
extern "C" NTSTATUS NTAPI NtQueryDirectoryFile(HANDLE, HANDLE, PIO_APC_ROUTINE, PVOID, PIO_STATUS_BLOCK, PVOID, ULONG,
                                               FILE_INFORMATION_CLASS, BOOLEAN, PUNICODE_STRING, BOOLEAN);

// An entry with the longest name a file system gives (255 UTF-16 units), aligned.
constexpr ULONG kLongestDirectoryEntry = (sizeof(FILE_FULL_DIR_INFORMATION) + 255 * 2 + 7) / 8 * 8;

// Opens a folder for listing as the directory search does, by its NT path ("\??\C:\x"),
// or by a name relative to the open folder `parent`; null when it cannot, and then
// why in `status` when asked.
inline HANDLE OpenFolderForListing(HANDLE parent, const std::wstring& path, NTSTATUS* status = nullptr) {
  UNICODE_STRING name{static_cast<USHORT>(path.size() * 2), static_cast<USHORT>(path.size() * 2),
                      const_cast<wchar_t*>(path.data())};
  // Not aggregate-initialised: the structure has padding in 64-bit builds.
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE, parent, nullptr);
  IO_STATUS_BLOCK io;
  HANDLE folder = nullptr;
  const NTSTATUS opened = NtOpenFile(&folder, FILE_LIST_DIRECTORY | SYNCHRONIZE, &attributes, &io,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    FILE_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_FOR_BACKUP_INTENT);
  if (status) *status = opened;
  return NT_SUCCESS(opened) ? folder : nullptr;
}
