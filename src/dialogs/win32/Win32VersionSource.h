#pragma once

#include "dialogs/VersionInfoTypes.h"
#include "dialogs/VersionSource.h"

// Version resources of files, read with the wide version API (paths of any length).
class Win32VersionSource : public VersionSource {
 public:
  std::vector<uint8_t> ReadVersionBlock(const std::string& path) override;
  std::string ExecutablePath() override;
  std::string ComponentModulePath() override;
  bool ComponentInExecutable() override;
};

// The version reader's captions as the program's string table has them; each one it
// lacks stays English.
TVersionInfoCaptions VersionCaptionsFromResources();

// Where the captions sit in the string table, in the order of TVersionInfoCaptions.
constexpr unsigned kVersionCaptionsFirstId = 1000;
