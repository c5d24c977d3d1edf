#pragma once

#include <cstdint>

// The repeat-scan timer's interval in milliseconds for an interval in minutes. The
// minutes are brought into what a window timer can run: at least 1, and at most
// 35,791 (the longest interval below 2^31 milliseconds), so that no setting makes the
// timer fire constantly or never.
uint32_t RepeatTimerInterval(int32_t minutes);
