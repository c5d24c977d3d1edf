#pragma once

#include <functional>
#include <string>

#include "win32/WinApi.h"

class TForm;

// The program's message loop and what belongs to the whole program: its title, its
// main form, and the display of errors that no handler caught.
class TApplication {
 public:
  std::string Title;

  // The first form shown with Run; closing it ends the loop.
  TForm* MainForm() const { return mainForm_; }

  // Shows the main form and runs the message loop until the program is told to end.
  void Run(TForm& mainForm);
  // Runs every pending message and returns; used by long work on this thread.
  void ProcessMessages();
  // Ends the message loop (after the current message).
  void Terminate();

  // An error that reached a callback: given to OnException when set, else shown in
  // a message box with the program's title. One at a time: an error while one is
  // shown (the box runs a message loop) is only counted.
  void HandleException(const std::string& message);
  std::function<void(const std::string& message)> OnException;
  // How many errors came while another was being shown.
  int UnshownErrors() const { return unshownErrors_; }

  // A message box over the owner (the main form when none is given) with the given
  // buttons (MB_ flags); the button chosen.
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags, HWND owner = nullptr);

  // Runs one message: the shortcuts and dialog keys of its window's form first.
  void Handle(MSG& message);

 private:
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  bool showingError_ = false;
  int unshownErrors_ = 0;
};

TApplication& Application();
