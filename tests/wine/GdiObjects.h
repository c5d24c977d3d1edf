#pragma once

#include "win32/WinApi.h"

// How many GDI objects a process holds now. Wine answers 0 to GetGuiResources, so
// there its handle table, which the process's own memory holds, is counted.
long GdiObjectsOf(HANDLE process);
