#include "gui/win32/Form.h"

#include <commctrl.h>
#include <windowsx.h>

#include "gui/win32/Application.h"
#include "gui/win32/Win32Canvas.h"
#include "win32/WideText.h"

TForm::TForm(TBorderStyle border, bool maximizeBox) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (border == TBorderStyle::Sizeable) {
    style |= WS_THICKFRAME | WS_MINIMIZEBOX;
    if (maximizeBox) style |= WS_MAXIMIZEBOX;
  }
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (border == TBorderStyle::Dialog) exStyle |= WS_EX_DLGMODALFRAME;
  CreateHandle(OwnWindowClass(L"VelmoraForm", CS_DBLCLKS, nullptr), style, exStyle, nullptr);
}

TForm::~TForm() {
  for (TGraphicControl* control : graphics_) control->SetHost(nullptr);
  if (hints_) DestroyWindow(hints_);
}

void TForm::SetClientSize(int width, int height) {
  RECT outer{0, 0, width, height};
  AdjustWindowRectEx(&outer, GetWindowLongW(Handle(), GWL_STYLE), GetMenu(Handle()) != nullptr,
                     GetWindowLongW(Handle(), GWL_EXSTYLE));
  SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
  DoShow();
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

namespace {

// Window placements speak of workspace coordinates, which start at the primary
// monitor's work area; the screen's start at the monitor itself.
POINT WorkspaceOrigin() {
  MONITORINFO monitor{sizeof monitor};
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return {monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top};
}

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{sizeof info};
  if (GetMonitorInfoW(monitor, &info)) {
    const RECT& work = info.rcWork;
    reinterpret_cast<std::vector<TScreenArea>*>(data)->push_back({work.left, work.top, work.right, work.bottom});
  }
  return TRUE;
}

}  // namespace

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

void TForm::AddGraphic(TGraphicControl& control) {
  graphics_.push_back(&control);
  control.SetHost(this);
  InvalidateControl(control);
}

void TForm::InvalidateControl(TGraphicControl& control) {
  const RECT area{control.Left(), control.Top(), control.Left() + control.Width(), control.Top() + control.Height()};
  InvalidateRect(Handle(), &area, FALSE);
}

void TForm::SetMenu(TMainMenu& menu) {
  menu_ = &menu;
  menu.AttachTo(Handle());
}

void TForm::ShowHintOf(TWinControl& control) {
  if (!hints_) {
    hints_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                             0, 0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hints_, TTM_SETMAXTIPWIDTH, 0, 800);
  }
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  tool.lpszText = LPSTR_TEXTCALLBACKW;  // asked for each time, so hints may change
  SendMessageW(hints_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

TForm* TForm::FormOf(HWND window) {
  return window ? dynamic_cast<TForm*>(FromHandle(GetAncestor(window, GA_ROOT))) : nullptr;
}

bool TForm::PreTranslateMessage(MSG& message) {
  if (hints_ && message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST)
    SendMessageW(hints_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
  if (menu_ && menu_->Accelerators() && TranslateAcceleratorW(Handle(), menu_->Accelerators(), &message)) return true;
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

void TForm::DoShow() {
  if (OnShow) OnShow(*this);
}

void TForm::DoResize() {
  if (OnResize) OnResize(*this);
}

bool TForm::DoCloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(*this, canClose);
  return canClose;
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted with everything else, off-screen
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      DoResize();
      break;
    case WM_CLOSE:
      if (DoCloseQuery()) {
        Hide();
        if (Application().MainForm() == this) Application().Terminate();
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      RouteMouse(message, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      mouseControl_ = nullptr;
      break;
    case WM_COMMAND:  // from the menu, an accelerator or the dialog manager
      if (lParam == 0) Command(LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      if (reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOW) return HintText(*reinterpret_cast<NMHDR*>(lParam));
      break;
  }
  return DefaultProc(message, wParam, lParam);
}

void TForm::Paint() {
  const PaintContext paint(Handle());
  const RECT& area = paint.Area();
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  // Compose the damaged area in memory and put it on the screen in one go.
  const MemoryDC memory(paint.Get());
  const Bitmap buffer(CreateCompatibleBitmap(paint.Get(), width, height));
  const SelectionGuard bufferSelected(memory.Get(), buffer.Get());
  SetViewportOrgEx(memory.Get(), -area.left, -area.top, nullptr);
  const Brush background(CreateSolidBrush(ColourRef(Color)));
  FillRect(memory.Get(), &area, background.Get());
  for (TGraphicControl* control : graphics_) {
    const RECT bounds{control->Left(), control->Top(), control->Left() + control->Width(),
                      control->Top() + control->Height()};
    RECT overlap;
    if (!IntersectRect(&overlap, &bounds, &area)) continue;
    const int saved = SaveDC(memory.Get());
    SetViewportOrgEx(memory.Get(), bounds.left - area.left, bounds.top - area.top, nullptr);
    IntersectClipRect(memory.Get(), 0, 0, control->Width(), control->Height());
    {
      TWin32Canvas canvas(memory.Get());
      control->Paint(canvas);
    }
    RestoreDC(memory.Get(), saved);
  }
  SetViewportOrgEx(memory.Get(), 0, 0, nullptr);
  BitBlt(paint.Get(), area.left, area.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

TGraphicControl* TForm::GraphicAt(int x, int y) const {
  for (auto control = graphics_.rbegin(); control != graphics_.rend(); ++control)
    if ((*control)->Contains(x, y)) return *control;
  return nullptr;
}

void TForm::RouteMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  TMouseButton button = TMouseButton::Left;
  if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP || message == WM_RBUTTONDBLCLK)
    button = TMouseButton::Right;
  else if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP || message == WM_MBUTTONDBLCLK)
    button = TMouseButton::Middle;
  TShiftState shift;
  shift.Shift = (wParam & MK_SHIFT) != 0;
  shift.Ctrl = (wParam & MK_CONTROL) != 0;

  const bool release = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
  if (release) {
    TGraphicControl* control = mouseControl_;
    if (GetCapture() == Handle()) ReleaseCapture();  // clears mouseControl_
    if (control) control->MouseUp(button, shift, x - control->Left(), y - control->Top());
    return;
  }
  TGraphicControl* control = GraphicAt(x, y);
  if (!control) return;
  SetCapture(Handle());
  mouseControl_ = control;
  shift.Double = message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
  control->MouseDown(button, shift, x - control->Left(), y - control->Top());
  if (message == WM_LBUTTONDBLCLK) control->DblClick();
}
