#include "gui/win32/controls/StatusBar.h"

#include <commctrl.h>

#include "win32/WideText.h"

TStatusBar::TStatusBar(TWinControl& parent, const std::vector<int>& panelWidths, const TDesign& design) {
  CreateHandle(STATUSCLASSNAMEW, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, parent.Handle(), {}, design);
  std::vector<int> edges;
  int edge = 0;
  for (size_t i = 0; i < panelWidths.size(); ++i) {
    edge += panelWidths[i];
    edges.push_back(i + 1 == panelWidths.size() ? -1 : edge);
  }
  SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void TStatusBar::SetPanelText(int panel, std::string_view text) {
  SendMessageW(Handle(), SB_SETTEXTW, panel, reinterpret_cast<LPARAM>(Utf8ToWide(text).c_str()));
}

std::string TStatusBar::PanelText(int panel) const {
  const LRESULT length = LOWORD(SendMessageW(Handle(), SB_GETTEXTLENGTHW, panel, 0));
  std::wstring text(length + 1, L'\0');
  SendMessageW(Handle(), SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return WideToUtf8(text);
}
