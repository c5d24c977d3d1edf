#include "gui/win32/framework/Application.h"

#include "gui/win32/framework/Form.h"
#include "gui/win32/framework/Guarded.h"
#include "win32/WideText.h"

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::Run(TForm& mainForm) {
  mainForm_ = &mainForm;
  mainForm.Show();
  MSG message;
  while (!terminated_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    Handle(message);
  }
  terminated_ = true;
}

void TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
      PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that owns it
      return;
    }
    Handle(message);
  }
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::Handle(MSG& message) {
  if (TForm* form = TForm::FormOf(message.hwnd); form && form->PreTranslateMessage(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags, HWND owner) {
  // The window in front, so that a box over a modal dialog re-enables only that dialog.
  if (!owner) owner = GetActiveWindow();
  if (!owner && mainForm_) owner = mainForm_->Handle();
  return MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), flags);
}

void TApplication::HandleException(const std::string& message) {
  if (showingError_) {
    ++unshownErrors_;
    return;
  }
  showingError_ = true;
  try {
    if (OnException)
      OnException(message);
    else
      MessageBoxW(GetActiveWindow(), Utf8ToWide(message).c_str(), Utf8ToWide(Title).c_str(), MB_OK | MB_ICONERROR);
  } catch (...) {
    showingError_ = false;
    throw;
  }
  showingError_ = false;
}

void ShowUncaughtError(const char* message) noexcept {
  try {
    Application().HandleException(message);
  } catch (...) {
    MessageBoxW(nullptr, L"An error occurred, and another one while it was being shown.", nullptr,
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
  }
}
