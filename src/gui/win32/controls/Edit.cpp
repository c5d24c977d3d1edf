#include "gui/win32/controls/Edit.h"

TEdit::TEdit(TWinControl& parent, const TEditOptions& options, const TDesign& design)
    : TEdit(parent, options, design, ES_AUTOHSCROLL) {}

TEdit::TEdit(TWinControl& parent, const TEditOptions& options, const TDesign& design, DWORD extraStyle) {
  CreateHandle(L"EDIT", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | extraStyle, WS_EX_CLIENTEDGE, parent.Handle(),
               options.Text, design);
  if (options.ReadOnly) SetReadOnly(true);
  OnChange = options.OnChange;
}

bool TEdit::ReadOnly() const { return (GetWindowLongW(Handle(), GWL_STYLE) & ES_READONLY) != 0; }
void TEdit::SetReadOnly(bool readOnly) { SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0); }
void TEdit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

void TEdit::CommandNotification(WORD code) {
  if (code == EN_CHANGE) DoChange();
}

void TEdit::DoChange() {
  if (OnChange) OnChange(*this);
}

TMemo::TMemo(TWinControl& parent, const TDesign& design)
    : TEdit(parent, {.ReadOnly = true}, design, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL) {}

HBRUSH TMemo::ColourNotification(HDC dc) {
  // A read-only edit asks as a static control does.
  SetBkColor(dc, GetSysColor(COLOR_MENU));
  return GetSysColorBrush(COLOR_MENU);
}
