#include "win32/SystemInfo.h"

#include "win32/WinApi.h"

bool IsNtFamily() {
  OSVERSIONINFOW version{sizeof version};
  return GetVersionExW(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

DateTime LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}
