#include "win32/RealFileSystem.h"

#include "win32/WinApi.h"

namespace {

#if defined(_WIN64)
struct Redirection {
  bool TurnOff(void**) const { return false; }
  void Restore(void*) const {}
};
#else
// Looked up at run time: systems without 64-bit editions lack both calls.
struct Redirection {
  using Disable = BOOL(WINAPI*)(PVOID*);
  using Revert = BOOL(WINAPI*)(PVOID);
  Disable disable = nullptr;
  Revert revert = nullptr;
  Redirection() {
    if (const HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
      disable = reinterpret_cast<Disable>(
          reinterpret_cast<void (*)()>(GetProcAddress(kernel, "Wow64DisableWow64FsRedirection")));
      revert = reinterpret_cast<Revert>(
          reinterpret_cast<void (*)()>(GetProcAddress(kernel, "Wow64RevertWow64FsRedirection")));
    }
  }
  bool TurnOff(void** previous) const {
    // Fails, changing nothing, where the process is no 32-bit one on 64-bit Windows.
    const DWORD error = GetLastError();
    const bool done = disable && revert && disable(previous);
    SetLastError(error);
    return done;
  }
  void Restore(void* previous) const { revert(previous); }
};
#endif

const Redirection& TheRedirection() {
  static const Redirection redirection;
  return redirection;
}

}  // namespace

RealFileSystem::RealFileSystem() : turnedOff_(TheRedirection().TurnOff(&previous_)) {}

RealFileSystem::~RealFileSystem() {
  if (turnedOff_) {
    const DWORD error = GetLastError();  // callers read the error of the call just guarded
    TheRedirection().Restore(previous_);
    SetLastError(error);
  }
}
