#include "gui/win32/framework/Form.h"

#include <commctrl.h>

#include "gui/win32/framework/Application.h"
#include "gui/win32/framework/Button.h"
#include "gui/win32/framework/Guarded.h"
#include "gui/win32/framework/Screen.h"
#include "win32/WideText.h"

namespace {

DWORD StyleOf(const TFormOptions& options) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  if (options.Border == TBorderStyle::Sizeable) style |= WS_THICKFRAME;
  if (options.MinimizeBox) style |= WS_MINIMIZEBOX;
  if (options.MaximizeBox) style |= WS_MAXIMIZEBOX;
  return style;
}

// Window placements speak of workspace coordinates, which start at the primary
// monitor's work area; the screen's start at the monitor itself.
POINT WorkspaceOrigin() {
  MONITORINFO monitor{sizeof monitor};
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return {monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top};
}

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  return Guarded(TRUE, [&] {
    MONITORINFO info{sizeof info};
    if (GetMonitorInfoW(monitor, &info)) {
      const RECT& work = info.rcWork;
      reinterpret_cast<std::vector<TScreenArea>*>(data)->push_back({work.left, work.top, work.right, work.bottom});
    }
    return TRUE;
  });
}

}  // namespace

// A modal showing: the owner is disabled while it lasts, and whichever way it ends
// (closed, or an error in a handler) the owner is enabled again before the form hides,
// so that the owner gets the activation back.
class TForm::ModalScope {
 public:
  explicit ModalScope(TForm& form)
      : form_(form), owner_(form.owner_ && IsWindowEnabled(form.owner_) ? form.owner_ : nullptr) {
    if (owner_) EnableWindow(owner_, FALSE);
    form_.modal_ = true;
    form_.modalResult_ = TModalResult::None;
  }
  ~ModalScope() {
    form_.modal_ = false;
    if (owner_) EnableWindow(owner_, TRUE);
    ShowWindow(form_.Handle(), SW_HIDE);
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  TForm& form_;
  HWND owner_;
};

TForm::TForm(const TFormOptions& options)
    : Scale(ScreenScale()),
      position_(options.Position),
      owner_(options.Owner ? options.Owner->Handle() : nullptr),
      layout_(options.ClientSize) {
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (options.Border == TBorderStyle::Dialog) exStyle |= WS_EX_DLGMODALFRAME;
  CreateCustom(L"VelmoraForm", StyleOf(options), exStyle, owner_, options.Caption);
  const TRect& design = options.Design;
  if (design.Width > 0) {
    SetBounds(Scale(design.Left), Scale(design.Top), Scale(design.Width), Scale(design.Height));
  } else {
    RECT outer{0, 0, Scale(options.ClientSize.Width), Scale(options.ClientSize.Height)};
    AdjustWindowRectEx(&outer, StyleOf(options), FALSE, exStyle);
    SetBounds(Scale(design.Left), Scale(design.Top), outer.right - outer.left, outer.bottom - outer.top);
  }
  if (options.Icon) {
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(options.Icon->Icon()));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(options.Icon->Icon()));
  }
}

void TForm::Adopt(TPlaced& control, const TDesign& design) {
  if (design.Bounds.Width > 0 || design.Bounds.Height > 0 || design.Align != TAlign::None)
    layout_.Add(control, design, ClientSize(), Scale);
  if (auto* windowed = dynamic_cast<TWinControl*>(&control)) ShowHintOf(*windowed);
}

void TForm::Show() {
  DoShow();
  layout_.Apply(ClientSize(), Scale);  // with the texts the showing gave
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  if (ActiveControl) ActiveControl->SetFocus();
}

void TForm::Hide() {
  ShowWindow(Handle(), SW_HIDE);
  DoHide();
}

TModalResult TForm::ShowModal() {
  if (modal_) return TModalResult::Cancel;
  {
    const ModalScope scope(*this);
    if (position_ == TFormPosition::ScreenCenter) Centre();
    Show();
    while (modalResult_ == TModalResult::None) {
      MSG message;
      const BOOL got = GetMessageW(&message, nullptr, 0, 0);
      if (got == 0 || got == -1) {
        if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that owns it
        modalResult_ = TModalResult::Cancel;
        break;
      }
      Application().Handle(message);
    }
  }
  DoHide();
  return modalResult_;
}

void TForm::SetModalResult(TModalResult result) {
  modalResult_ = result;
  // A sent message runs inside GetMessage, which returns only for a posted one.
  if (modal_ && result != TModalResult::None) PostMessageW(Handle(), WM_NULL, 0, 0);
}

void TForm::Centre() {
  const TRect bounds = BoundsRect();
  const TRect at = Centred({bounds.Width, bounds.Height},
                           {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  SetWindowPos(Handle(), nullptr, at.Left, at.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TPlacement TForm::Placement() const {
  WINDOWPLACEMENT placement{sizeof placement};
  GetWindowPlacement(Handle(), &placement);
  const POINT origin = WorkspaceOrigin();
  const RECT& normal = placement.rcNormalPosition;
  TPlacement result;
  result.State = IsIconic(Handle()) ? wsMinimized : IsZoomed(Handle()) ? wsMaximized : wsNormal;
  result.Left = normal.left + origin.x;
  result.Top = normal.top + origin.y;
  result.Width = normal.right - normal.left;
  result.Height = normal.bottom - normal.top;
  return result;
}

void TForm::ApplyPlacement(const TPlacement& placement) {
  const POINT origin = WorkspaceOrigin();
  WINDOWPLACEMENT window{sizeof window};
  GetWindowPlacement(Handle(), &window);
  window.rcNormalPosition = {placement.Left - origin.x, placement.Top - origin.y,
                             placement.Left - origin.x + placement.Width, placement.Top - origin.y + placement.Height};
  const bool visible = IsWindowVisible(Handle()) != FALSE;
  switch (placement.State) {
    case wsMinimized: window.showCmd = SW_SHOWMINIMIZED; break;
    case wsMaximized: window.showCmd = SW_SHOWMAXIMIZED; break;
    default: window.showCmd = visible ? SW_SHOWNORMAL : SW_HIDE; break;
  }
  SetWindowPlacement(Handle(), &window);
}

std::vector<TScreenArea> TForm::MonitorWorkAreas() const {
  std::vector<TScreenArea> areas;
  EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

void TForm::ShowHintOf(TWinControl& control) {
  if (!hints_) {
    hints_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                                 0, 0, 0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr));
    SendMessageW(hints_.Get(), TTM_SETMAXTIPWIDTH, 0, 800);
  }
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  tool.lpszText = LPSTR_TEXTCALLBACKW;  // asked for each time, so hints may change
  SendMessageW(hints_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

TForm* TForm::FormOf(HWND window) {
  return window ? dynamic_cast<TForm*>(FromHandle(GetAncestor(window, GA_ROOT))) : nullptr;
}

bool TForm::PreTranslateMessage(MSG& message) {
  if (hints_ && message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST)
    SendMessageW(hints_.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
  if (menu_ && menu_->Accelerators() && TranslateAcceleratorW(Handle(), menu_->Accelerators(), &message)) return true;
  // Enter presses the focused button, as it would the default one.
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN)
    if (auto* button = dynamic_cast<TButton*>(FromHandle(GetFocus()))) {
      button->Click();
      return true;
    }
  // Without a button for it, Escape or Enter goes to the focused control as a key.
  if (message.message == WM_KEYDOWN && ((message.wParam == VK_ESCAPE && !CancelButton) ||
                                        (message.wParam == VK_RETURN && !DefaultButton)))
    return false;
  return IsDialogMessageW(Handle(), &message) != FALSE;
}

void TForm::Command(WORD command) {
  // The dialog manager turns Escape and Enter into IDCANCEL and IDOK.
  if (command == IDCANCEL) {
    if (CancelButton) CancelButton->Click();
  } else if (command == IDOK) {
    if (DefaultButton) DefaultButton->Click();
  } else if (menu_) {
    if (TMenuItem* item = menu_->ItemOf(command)) item->Click();
  }
}

LRESULT TForm::HintText(NMHDR& header) {
  auto& request = reinterpret_cast<NMTTDISPINFOW&>(header);
  const TWinControl* control = FromHandle(reinterpret_cast<HWND>(header.idFrom));
  hintText_ = control ? Utf8ToWide(control->Hint) : std::wstring();
  request.lpszText = hintText_.data();
  return 0;
}

void TForm::Resized() {
  layout_.Apply(ClientSize(), Scale);
  DoResize();
}

void TForm::DoShow() {
  if (OnShow) OnShow(*this);
}

void TForm::DoHide() {
  if (OnHide) OnHide(*this);
}

void TForm::DoResize() {
  if (OnResize) OnResize(*this);
}

bool TForm::DoCloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(*this, canClose);
  return canClose;
}

void TForm::DoClose() {
  if (OnClose) OnClose(*this);
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (!DoCloseQuery()) return 0;
      if (modal_) {
        SetModalResult(TModalResult::Cancel);
        return 0;
      }
      DoClose();
      Hide();
      if (Application().MainForm() == this) Application().Terminate();
      return 0;
    case WM_GETMINMAXINFO: {
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
      if (MinimumWidth() > 0) limits.ptMinTrackSize.x = MinimumWidth();
      if (MinimumHeight() > 0) limits.ptMinTrackSize.y = MinimumHeight();
      return 0;
    }
    case WM_DESTROY:  // a window destroys the menu bar it shows, and the menu is ours
      if (menu_) ::SetMenu(Handle(), nullptr);
      break;
    case DM_GETDEFID:  // the dialog manager's question before it sends IDOK for Enter
      return DefaultButton ? MAKELRESULT(IDOK, DC_HASDEFID) : 0;
    case WM_COMMAND:  // from the menu, an accelerator or the dialog manager
      if (lParam == 0) Command(LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      if (reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOW) return HintText(*reinterpret_cast<NMHDR*>(lParam));
      break;
  }
  return TCustomControl::WndProc(message, wParam, lParam);
}
