#pragma once
// The native directory listing call, for the scan and the listing benchmark.

#include "win32/WinApi.h"

#include <winternl.h>

// Not declared by the headers at hand; ntdll has it on every NT version.
extern "C" NTSTATUS NTAPI NtQueryDirectoryFile(HANDLE, HANDLE, PIO_APC_ROUTINE, PVOID, PIO_STATUS_BLOCK, PVOID, ULONG,
                                               FILE_INFORMATION_CLASS, BOOLEAN, PUNICODE_STRING, BOOLEAN);

// An entry with the longest name a file system gives (255 UTF-16 units), aligned.
constexpr ULONG kLongestDirectoryEntry = (sizeof(FILE_FULL_DIR_INFORMATION) + 255 * 2 + 7) / 8 * 8;
