#include "gui/win32/dialogs/FileDialogs.h"

#include <vector>

#include "win32/WideText.h"

#include <commdlg.h>

bool TFileDialog::Execute(HWND owner, Show show, DWORD flags) {
  std::wstring filter = Utf8ToWide(Filter);
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter += L'\0';
  std::vector<wchar_t> name(32768, L'\0');  // long paths fit
  const std::wstring initial = Utf8ToWide(FileName).substr(0, name.size() - 1);
  initial.copy(name.data(), initial.size());
  const std::wstring extension = Utf8ToWide(DefaultExt);
  const std::wstring title = Utf8ToWide(Title);

  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = filter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = name.data();
  request.nMaxFile = static_cast<DWORD>(name.size());
  request.lpstrTitle = title.empty() ? nullptr : title.c_str();
  request.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  // The process's current folder stays: a relative scan path must keep its meaning.
  request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR | flags;
  if (!show(&request)) return false;
  FileName = WideToUtf8(name.data());
  return true;
}

bool TSaveDialog::Execute(HWND owner) { return TFileDialog::Execute(owner, GetSaveFileNameW, 0); }

bool TOpenDialog::Execute(HWND owner) {
  return TFileDialog::Execute(owner, GetOpenFileNameW, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
}
