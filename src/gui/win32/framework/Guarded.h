#pragma once

#include <exception>
#include <utility>

// Shows the user an error that reached a callback. Never throws; when even that
// fails, a plain system message box says so.
void ShowUncaughtError(const char* message) noexcept;

// The boundary between the system's frames and the program's: every callback the
// system calls (window procedures, enumerations, the browse dialog's callback) and
// the program's entry run their work through here. An exception that comes out of
// `work` is shown and goes no further; the callback then answers `fallback`. When
// given, `stop` runs first, before the error is shown: showing runs a message loop,
// which must not bring the same failure back (a paint, a timer).
template <typename Result, typename Work, typename Stop>
Result Guarded(Result fallback, Work&& work, Stop&& stop) noexcept {
  try {
    return std::forward<Work>(work)();
  } catch (const std::exception& error) {
    stop();
    ShowUncaughtError(error.what());
  } catch (...) {
    stop();
    ShowUncaughtError("An unexpected error occurred.");
  }
  return fallback;
}

template <typename Result, typename Work>
Result Guarded(Result fallback, Work&& work) noexcept {
  return Guarded(fallback, std::forward<Work>(work), [] {});
}
