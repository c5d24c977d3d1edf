#pragma once

// While one lives, this thread's own file calls see the folders as they are: a 32-bit
// process on 64-bit Windows is otherwise shown SysWOW64 whenever it names System32.
// Hold one only around calls that load no library (never around the shell's or the
// common dialogs' calls), since a library loaded meanwhile would be the 64-bit one.
class RealFileSystem {
 public:
  RealFileSystem();
  ~RealFileSystem();
  RealFileSystem(const RealFileSystem&) = delete;
  RealFileSystem& operator=(const RealFileSystem&) = delete;

 private:
  void* previous_ = nullptr;
  bool turnedOff_ = false;
};
