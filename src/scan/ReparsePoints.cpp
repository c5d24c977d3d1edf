#include "scan/ReparsePoints.h"

#include "scan/ScanPlatform.h"

namespace {

constexpr uint32_t kTagCloud = 0x9000001A;        // cloud files; bits 12-15 vary by provider
constexpr uint32_t kTagCloudProviderMask = 0xFFFF0FFF;
constexpr uint32_t kTagProjectedFs = 0x9000001C;  // projected file system placeholders
constexpr uint32_t kTagOneDrive = 0x80000021;
constexpr uint32_t kTagHsm = 0xC0000004;          // hierarchical storage management
constexpr uint32_t kTagHsm2 = 0x80000006;

bool OnlyDescribesStorage(uint32_t tag) {
  return (tag & kTagCloudProviderMask) == kTagCloud || tag == kTagProjectedFs ||
         tag == kTagOneDrive || tag == kTagHsm || tag == kTagHsm2;
}

}  // namespace

bool LeadsElsewhere(uint32_t attributes, uint32_t reparseTag) {
  return (attributes & kAttributeReparsePoint) != 0 && !OnlyDescribesStorage(reparseTag);
}
