#pragma once

#include <string>

#include "win32/WinApi.h"

// Writes the client area of a window, as the screen shows it, to a BMP file.
bool SaveClientScreenshot(HWND window, const std::wstring& path);
