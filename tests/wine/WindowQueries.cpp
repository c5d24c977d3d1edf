#include "WindowQueries.h"

#include "win32/WideText.h"

namespace {

struct ChildSearch {
  std::wstring ClassName;
  std::wstring Caption;
  HWND Found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM data) {
  auto& search = *reinterpret_cast<ChildSearch*>(data);
  if (_wcsicmp(ClassName(child).c_str(), search.ClassName.c_str()) != 0) return TRUE;
  if (!search.Caption.empty() && WindowText(child) != search.Caption) return TRUE;
  search.Found = child;
  return FALSE;
}

}  // namespace

int Patience() {
  static const int patience = [] {
    wchar_t text[16] = {};
    const DWORD length = GetEnvironmentVariableW(L"VELMORA_PATIENCE", text, 16);
    const int value = length > 0 && length < 16 ? _wtoi(text) : 0;
    return value > 0 ? value : 1;
  }();
  return patience;
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds, const std::function<void()>& pump) {
  for (int waited = 0; waited < milliseconds * Patience(); waited += 10) {
    if (condition()) return true;
    if (pump) pump();
    Sleep(10);
  }
  return condition();
}

std::wstring WindowText(HWND window) {
  wchar_t text[1024];
  return std::wstring(text, GetWindowTextW(window, text, 1024));
}

namespace {

BOOL CALLBACK NoteUpdate(HWND child, LPARAM pending) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(pending) = true;
  return TRUE;
}

}  // namespace

bool PaintPending(HWND window) {
  bool pending = GetUpdateRect(window, nullptr, FALSE) != FALSE;
  EnumChildWindows(window, NoteUpdate, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256];
  return std::wstring(name, GetClassNameW(window, name, 256));
}

HWND FindChild(HWND parent, const std::wstring& className, const std::wstring& text) {
  ChildSearch search{className, text, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

namespace {

std::string ListBoxLine(HWND list, LRESULT index) {
  wchar_t text[1024] = {};
  if (SendMessageW(list, LB_GETTEXTLEN, index, 0) < 1024)
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
  return WideToUtf8(text);
}

}  // namespace

std::vector<std::string> ListBoxLines(HWND list) {
  std::vector<std::string> lines;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) lines.push_back(ListBoxLine(list, i));
  return lines;
}

std::string ListBoxFirstLine(HWND list) {
  return SendMessageW(list, LB_GETCOUNT, 0, 0) > 0 ? ListBoxLine(list, 0) : std::string();
}

UINT MenuCommand(HWND window, const std::wstring& caption) {
  HMENU bar = GetMenu(window);
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    HMENU menu = GetSubMenu(bar, i);
    for (int j = 0; j < GetMenuItemCount(menu); ++j) {
      wchar_t text[256] = {};
      GetMenuStringW(menu, j, text, 256, MF_BYPOSITION);
      const std::wstring item(text);
      if (item.substr(0, item.find(L'\t')) == caption) return GetMenuItemID(menu, j);
    }
  }
  return 0;
}
