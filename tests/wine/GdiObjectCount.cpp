#include "GdiObjectCount.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "win32/WinApi.h"

#include <winternl.h>

namespace {

// Wine's table of GDI handles: 65,536 entries of 24 bytes in both builds; an entry in
// use holds the object's address and the upper half of its handle.
constexpr size_t kEntries = 0x10000;
struct TableEntry {
  uint64_t Object;
  uint32_t Owner;
  uint16_t Unique;
  uint8_t Type;
  uint8_t Flags;
  uint64_t UserPointer;
};
static_assert(sizeof(TableEntry) == 24);

template <typename T>
T At(uintptr_t address) {
  T value;
  std::memcpy(&value, reinterpret_cast<const void*>(address), sizeof value);
  return value;
}

// Where Wine keeps the table: GdiSharedHandleTable of the process environment block,
// the 64-bit one even for a 32-bit process of a 64-bit prefix; there the 32-bit
// thread block's GdiBatchCount leads to the 64-bit thread block, and that to its
// environment block.
uintptr_t TableAddress() {
  PROCESS_BASIC_INFORMATION basic{};
  if (!NT_SUCCESS(NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic,
                                            nullptr)))
    throw std::runtime_error("cannot find this process's environment block");
  const auto peb = reinterpret_cast<uintptr_t>(basic.PebBaseAddress);
#ifdef _WIN64
  return At<uintptr_t>(peb + 0xF8);
#else
  // GCC 12 takes mingw's read of the thread block's address through fs for an array access.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
  const auto teb = reinterpret_cast<uintptr_t>(NtCurrentTeb());
#pragma GCC diagnostic pop
  if (const auto teb64 = At<uint32_t>(teb + 0xF70)) {
    const auto peb64 = At<uint64_t>(teb64 + 0x60);
    return static_cast<uintptr_t>(At<uint64_t>(static_cast<uintptr_t>(peb64) + 0xF8));
  }
  return At<uint32_t>(peb + 0x94);
#endif
}

const TableEntry* HandleTable() {
  const auto* table = reinterpret_cast<const TableEntry*>(TableAddress());
  if (!table) throw std::runtime_error("this process has no GDI handle table where Wine keeps one");
  // A stock object's entry must name it, or the table is not laid out as read here.
  const auto stock = reinterpret_cast<uintptr_t>(GetStockObject(WHITE_BRUSH));
  const TableEntry& entry = table[stock & 0xFFFF];
  if (entry.Object == 0 || entry.Unique != ((stock >> 16) & 0xFFFF))
    throw std::runtime_error("the GDI handle table is not laid out as expected");
  return table;
}

}  // namespace

long GdiObjectsOfThisProcess() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<long>(counted);
  const TableEntry* table = HandleTable();
  long count = 0;
  for (size_t i = 0; i < kEntries; ++i) count += table[i].Object != 0;
  return count;
}
