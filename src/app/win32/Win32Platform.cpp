#include "app/win32/Win32Platform.h"

#include "export/win32/Win32ExportFile.h"
#include "win32/SystemInfo.h"

std::unique_ptr<ExportFile> TWin32Platform::OpenExport(const std::string& path) {
  return std::make_unique<Win32ExportFile>(path);
}

DateTime TWin32Platform::Now() { return LocalNow(); }
