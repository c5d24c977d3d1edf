#pragma once

#include "support/DateTimeFormat.h"

// Whether the system is of the Windows NT family (platform identifier 2), as every
// system since Windows 2000 is; the Windows 9x family is not.
bool IsNtFamily();

// The local date and time now.
DateTime LocalNow();
