#pragma once

// The Windows headers, for every file of the Win32 side. Their function-name macros
// would rename our own members of the same name, so those few are undone here.
#include <windows.h>

#undef TextOut
#undef DrawText
#undef GetObject
#undef MessageBox
