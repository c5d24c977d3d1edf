#include "dialogs/VersionInfoTypes.h"

#include "support/Format.h"

TVersionFileFlags TFixedFileVersionInfo::FileFlags() const {
  // VS_FF_DEBUG, VS_FF_INFOINFERRED, VS_FF_PATCHED, VS_FF_PRERELEASE, VS_FF_PRIVATEBUILD,
  // VS_FF_SPECIALBUILD, in the set's order.
  constexpr uint32_t kBits[kVersionFileFlagCount] = {0x01, 0x10, 0x04, 0x02, 0x08, 0x20};
  TVersionFileFlags flags;
  const uint32_t word = info_ ? info_->FileFlags : 0;
  for (int32_t flag = 0; flag < kVersionFileFlagCount; ++flag) {
    if (word & kBits[flag]) flags.Include(static_cast<TVersionFileFlag>(flag));
  }
  return flags;
}

std::string TVersionNumberInformation::AsString() const {
  if (!valid_) return {};
  if (!text_.empty()) return text_;
  return Format("%d.%d.%d.%d", {int64_t{Major()}, int64_t{Minor()}, int64_t{Release()}, int64_t{Build()}});
}

void TVersionNumberInformation::Assign(uint32_t ms, uint32_t ls, std::string text) {
  valid_ = true;
  ms_ = ms;
  ls_ = ls;
  text_ = std::move(text);
}
