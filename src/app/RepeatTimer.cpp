#include "app/RepeatTimer.h"

#include <algorithm>

namespace {

constexpr int32_t kMillisecondsPerMinute = 60000;
constexpr int32_t kLongestMinutes = 0x7FFFFFFF / kMillisecondsPerMinute;

}  // namespace

uint32_t RepeatTimerInterval(int32_t minutes) {
  return static_cast<uint32_t>(std::clamp(minutes, 1, kLongestMinutes)) * kMillisecondsPerMinute;
}
