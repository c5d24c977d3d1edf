#include "TextFit.h"

#include <commctrl.h>

#include "WindowQueries.h"
#include "gui/win32/drawing/GdiObjects.h"
#include "win32/WideText.h"

namespace {

// The extent of a text in a window's font: on one line, or wrapped at `wrapWidth`.
SIZE TextExtent(HWND window, const std::wstring& text, int wrapWidth = 0) {
  const WindowTextMeasure measure(window);
  RECT area{0, 0, wrapWidth, 0};
  const UINT format = DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  DrawTextW(measure.DC(), text.c_str(), static_cast<int>(text.size()), &area, format);
  return {area.right - area.left, area.bottom - area.top};
}

std::string Describe(HWND window, const std::wstring& text) {
  return WideToUtf8(ClassName(window)) + " \"" + WideToUtf8(text) + "\"";
}

// A label, check box, radio button or push button with a text, shown.
bool ShowsText(HWND window) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if (!(style & WS_VISIBLE) || WindowText(window).empty()) return false;
  const std::wstring name = ClassName(window);
  if (_wcsicmp(name.c_str(), L"Static") == 0) return true;
  return _wcsicmp(name.c_str(), L"Button") == 0 && (style & BS_TYPEMASK) != BS_GROUPBOX &&
         (style & BS_TYPEMASK) != BS_OWNERDRAW;
}

class Checker {
 public:
  void Check(HWND window) {
    const std::wstring name = ClassName(window);
    const std::wstring text = WindowText(window);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    RECT client{};
    GetClientRect(window, &client);
    const SIZE line = TextExtent(window, text);
    if (_wcsicmp(name.c_str(), L"Static") == 0) {
      const LONG type = style & SS_TYPEMASK;
      if (text.empty() || (style & SS_ELLIPSISMASK) || (type != SS_LEFT && type != SS_RIGHT && type != SS_CENTER &&
                                                        type != SS_LEFTNOWORDWRAP))
        return;
      const bool wraps = type != SS_LEFTNOWORDWRAP && line.cx > client.right;
      const SIZE needed = wraps ? TextExtent(window, text, client.right) : line;
      Expect(window, text, needed.cx <= client.right && needed.cy <= client.bottom, needed, client);
    } else if (_wcsicmp(name.c_str(), L"Button") == 0 && !text.empty()) {
      const LONG type = style & BS_TYPEMASK;
      SIZE needed = line;
      if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
        needed.cx += GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE);
      else if (type == BS_GROUPBOX)
        needed.cx += 2 * GetSystemMetrics(SM_CXEDGE);
      else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
        needed.cx += 4 * GetSystemMetrics(SM_CXEDGE);
      else
        return;
      Expect(window, text, needed.cx <= client.right && needed.cy <= client.bottom, needed, client);
    } else if (name == WC_TABCONTROLW) {
      CheckTabs(window, client);
    } else if (name == STATUSCLASSNAMEW) {
      CheckPanels(window);
    }
  }

  // A control must lie within its parent's client area, or what sticks out is cut.
  void CheckPlace(HWND window) {
    HWND parent = GetParent(window);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if (!parent || !(style & WS_CHILD) || !(style & WS_VISIBLE)) return;
    RECT bounds{}, area{};
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&bounds), 2);
    GetClientRect(parent, &area);
    if (bounds.left < area.left || bounds.top < area.top || bounds.right > area.right || bounds.bottom > area.bottom)
      faults_.push_back(Describe(window, WindowText(window)) + " lies outside its parent's client area");
  }

  // Two texts side by side must not run into each other.
  void CheckOverlap(HWND window) {
    if (!ShowsText(window)) return;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    for (HWND sibling = GetWindow(window, GW_HWNDNEXT); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
      RECT other{}, common{};
      GetWindowRect(sibling, &other);
      if (ShowsText(sibling) && IntersectRect(&common, &bounds, &other))
        faults_.push_back(Describe(window, WindowText(window)) + " runs into " + Describe(sibling, WindowText(sibling)));
    }
  }

  std::vector<std::string> Faults() const { return faults_; }

 private:
  void Expect(HWND window, const std::wstring& text, bool fits, SIZE needed, const RECT& client) {
    if (!fits)
      faults_.push_back(Describe(window, text) + " needs " + std::to_string(needed.cx) + " x " +
                        std::to_string(needed.cy) + " and has " + std::to_string(client.right) + " x " +
                        std::to_string(client.bottom));
  }

  void CheckTabs(HWND tabs, const RECT& client) {
    if (SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0) > 1) faults_.push_back("the tabs take more than one row");
    if (HWND arrows = FindWindowExW(tabs, nullptr, UPDOWN_CLASSW, nullptr); arrows && IsWindowVisible(arrows))
      faults_.push_back("the tabs need scroll arrows");
    const LRESULT count = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t caption[256] = {};
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = caption;
      item.cchTextMax = 256;
      SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
      RECT tab{};
      SendMessageW(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
      const SIZE needed = TextExtent(tabs, caption);
      if (tab.left < 0 || tab.right > client.right)
        faults_.push_back("the tab \"" + WideToUtf8(caption) + "\" is not shown whole on opening");
      else if (needed.cx > tab.right - tab.left)
        faults_.push_back("the tab \"" + WideToUtf8(caption) + "\" is narrower than its caption");
    }
  }

  // Each panel of a status bar but the last, which takes the rest of the bar and shows
  // a path, however long. Panels do not cut their texts with an ellipsis.
  void CheckPanels(HWND bar) {
    const auto count = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
    for (int panel = 0; panel + 1 < count; ++panel) {
      std::wstring text(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, panel, 0)) + 1, L'\0');
      text.resize(LOWORD(SendMessageW(bar, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(text.data()))));
      RECT part{};
      SendMessageW(bar, SB_GETRECT, panel, reinterpret_cast<LPARAM>(&part));
      // Inside its sunken edge, a panel's text starts 3 pixels in.
      const int room = part.right - part.left - 2 * GetSystemMetrics(SM_CXEDGE) - 3;
      if (const SIZE needed = TextExtent(bar, text); needed.cx > room)
        faults_.push_back("the status bar's panel " + std::to_string(panel) + " \"" + WideToUtf8(text) +
                          "\" needs " + std::to_string(needed.cx) + " and has " + std::to_string(room));
    }
  }

  std::vector<std::string> faults_;
};

BOOL CALLBACK CheckChild(HWND child, LPARAM data) {
  auto& checker = *reinterpret_cast<Checker*>(data);
  checker.Check(child);
  checker.CheckPlace(child);
  checker.CheckOverlap(child);
  return TRUE;
}

}  // namespace

std::vector<std::string> TextsThatDoNotFit(HWND window) {
  Checker checker;
  checker.Check(window);
  EnumChildWindows(window, CheckChild, reinterpret_cast<LPARAM>(&checker));
  return checker.Faults();
}
