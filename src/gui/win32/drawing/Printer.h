#pragma once

#include <string>

#include "win32/WinApi.h"

// Prints the client area of a window, as the window draws itself, on one page of the
// default printer, scaled by the printer's resolution against the screen's. Throws
// std::runtime_error when there is no printer or the job fails.
void PrintClientArea(HWND window, const std::string& jobTitle);
