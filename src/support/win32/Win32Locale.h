#pragma once

#include "support/FormatSettings.h"

// The user's digit grouping, decimal separator and month abbreviations.
FormatSettings ReadUserFormatSettings();
