#include "GdiObjects.h"

#include <winternl.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Wine's table of GDI handles: 65,536 entries of 24 bytes, the object's address first.
constexpr size_t kEntries = 0x10000;
constexpr size_t kEntrySize = 24;
constexpr size_t kTableOffsetInPeb = 0x94;  // GdiSharedHandleTable, 32-bit

using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

}  // namespace

long GdiObjectsOf(HANDLE process) {
  if (const DWORD counted = GetGuiResources(process, GR_GDIOBJECTS)) return static_cast<long>(counted);
  const auto query =
      reinterpret_cast<QueryProcess>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess"));
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) return -1;
  DWORD table = 0;
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + kTableOffsetInPeb, &table,
                         sizeof table, &read) || !table)
    return -1;
  std::vector<unsigned char> entries(kEntries * kEntrySize);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<uintptr_t>(table)), entries.data(),
                         entries.size(), &read))
    return -1;
  long count = 0;
  for (size_t i = 0; i < kEntries; ++i) {
    uint32_t object = 0;
    memcpy(&object, &entries[i * kEntrySize], sizeof object);
    count += object != 0;
  }
  return count;
}
