#pragma once

#include "win32/WinApi.h"

// Handles what waits in this thread's queue, as the program does once per folder.
inline void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}
