#pragma once

#include <functional>

#include "app/Platform.h"
#include "app/win32/Win32ShellActions.h"
#include "dialogs/win32/Win32FileFacts.h"
#include "dialogs/win32/Win32VersionSource.h"
#include "ntfs/win32/Win32VolumeDevices.h"
#include "scan/win32/Win32ScanPlatform.h"
#include "scan/win32/Win32VolumeApi.h"
#include "settings/win32/Win32Registry.h"

// Windows behind every seam; `processMessages` runs the messages waiting while a scan
// goes on.
class TWin32Platform final : public Platform {
 public:
  explicit TWin32Platform(std::function<void()> processMessages) : scan_(std::move(processMessages)) {}

  ScanPlatform& Scan() override { return scan_; }
  VolumeApi& Volumes() override { return volumes_; }
  Registry& Keys() override { return registry_; }
  VersionSource& Versions() override { return versions_; }
  FileFacts& Files() override { return files_; }
  VolumeDevices& Devices() override { return devices_; }
  ShellActions& Shell() override { return shell_; }
  std::unique_ptr<ExportFile> OpenExport(const std::string& path) override;
  DateTime Now() override;

 private:
  Win32ScanPlatform scan_;
  Win32VolumeApi volumes_;
  Win32Registry registry_;
  Win32VersionSource versions_;
  Win32FileFacts files_;
  Win32VolumeDevices devices_;
  Win32ShellActions shell_;
};
