#include "gui/win32/framework/WinControl.h"

#include <stdexcept>

#include "gui/win32/drawing/Win32Canvas.h"
#include "gui/win32/framework/Guarded.h"
#include "gui/win32/framework/Menu.h"
#include "win32/WideText.h"

TWinControl::~TWinControl() { DestroyHandle(); }

void TWinControl::DestroyHandle() {
  if (handle_) DestroyWindow(handle_);  // WM_NCDESTROY detaches
}

TWinControl* TWinControl::FromHandle(HWND window) {
  // Only our procedures vouch for what the user data holds.
  if (!window) return nullptr;
  const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (procedure != OwnClassProc && procedure != StandardClassProc) return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

const wchar_t* TWinControl::OwnWindowClass(const wchar_t* name, UINT style, HBRUSH background) {
  WNDCLASSEXW existing{sizeof existing};
  if (!GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing)) {
    WNDCLASSEXW windowClass{sizeof windowClass};
    windowClass.style = style;
    windowClass.lpfnWndProc = OwnClassProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
  }
  return name;
}

void TWinControl::CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent,
                               std::string_view text, const TDesign& design) {
  if (!design.Visible) style &= ~WS_VISIBLE;
  if (!design.Enabled) style |= WS_DISABLED;
  WNDCLASSEXW info{sizeof info};
  const bool ownClass = GetClassInfoExW(GetModuleHandleW(nullptr), className, &info) &&
                        info.lpfnWndProc == OwnClassProc;
  HWND window = CreateWindowExW(exStyle, className, Utf8ToWide(text).c_str(), style, 0, 0, 0, 0, parent, nullptr,
                                GetModuleHandleW(nullptr), ownClass ? this : nullptr);
  if (!window) throw std::runtime_error("cannot create a window");
  if (!ownClass) {
    Attach(window);
    standardProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StandardClassProc)));
  }
  // A child takes its parent's font, as designed forms do.
  TWinControl* container = (style & WS_CHILD) ? FromHandle(parent) : nullptr;
  SetFont(container ? container->Font() : font_);
  Hint = design.Hint;
  if (design.OverSiblings) SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (container) container->Adopt(*this, design);
}

void TWinControl::Adopt(TPlaced& control, const TDesign& design) {
  if (TWinControl* parent = Parent()) parent->Adopt(control, design);
}

void TWinControl::Attach(HWND window) {
  handle_ = window;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TWinControl::Detach() {
  if (!handle_) return;
  if (standardProc_) SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(standardProc_));
  SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  handle_ = nullptr;
  standardProc_ = nullptr;
}

LRESULT CALLBACK TWinControl::OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (control) control->Attach(window);
  }
  auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!control) return DefWindowProcW(window, message, wParam, lParam);  // before WM_NCCREATE
  return control->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK TWinControl::StandardClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA))->Dispatch(message, wParam, lParam);
}

LRESULT TWinControl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  const LRESULT result = Guarded(
      LRESULT{0},
      [&] {
        bool handled = false;
        const LRESULT reflected = ReflectToChild(message, wParam, lParam, handled);
        return handled ? reflected : WndProc(message, wParam, lParam);
      },
      [&] { HandlerFailed(message, wParam); });
  if (message == WM_NCDESTROY) Detach();  // the window is gone; its object may live on
  return result;
}

void TWinControl::HandlerFailed(UINT message, WPARAM wParam) noexcept {
  if (message == WM_PAINT) ValidateRect(handle_, nullptr);
  if (message == WM_TIMER) KillTimer(handle_, wParam);
}

LRESULT TWinControl::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  TWinControl* child = nullptr;
  switch (message) {
    case WM_COMMAND:
      if (lParam && (child = FromHandle(reinterpret_cast<HWND>(lParam)))) {
        handled = true;
        child->CommandNotification(HIWORD(wParam));
      }
      return 0;
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if ((child = FromHandle(header.hwndFrom)) && child != this) {
        handled = true;
        return child->NotifyNotification(header);
      }
      return 0;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlType != ODT_MENU && (child = FromHandle(item.hwndItem))) {
        handled = child->DrawItemNotification(item);
        return handled;
      }
      return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lParam && (child = FromHandle(reinterpret_cast<HWND>(lParam)))) {
        handled = true;
        child->ScrollNotification(LOWORD(wParam));
      }
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if ((child = FromHandle(reinterpret_cast<HWND>(lParam)))) {
        if (HBRUSH brush = child->ColourNotification(reinterpret_cast<HDC>(wParam))) {
          handled = true;
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      return 0;
  }
  return 0;
}

void TWinControl::ShowPopupMenu(LPARAM screenPoint) {
  // Signed: a screen left of or above the primary one has negative coordinates.
  POINT point{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  if (point.x == -1 && point.y == -1) {  // the Apps key or Shift+F10
    point = ContextMenuPlace();
  } else {
    ScreenToClient(handle_, &point);
    ContextMenuAt(point);
  }
  ClientToScreen(handle_, &point);
  PopupMenu->Popup(handle_, point);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: {
      const LRESULT result = DefaultProc(message, wParam, lParam);
      Resized();
      return result;
    }
    case WM_CONTEXTMENU:
      if (PopupMenu && reinterpret_cast<HWND>(wParam) == handle_) {
        ShowPopupMenu(lParam);
        return 0;
      }
      break;
    case WM_KEYDOWN: {
      auto key = static_cast<WORD>(wParam);
      if (PopupMenu && PopupMenu->ShortCutKey(key)) return 0;
      KeyDown(key);
      if (key == 0) return 0;
      wParam = key;
      break;
    }
    case WM_CHAR: {
      auto key = static_cast<char16_t>(wParam);
      KeyPress(key);
      if (key == 0) return 0;
      wParam = key;
      break;
    }
    case WM_SETFOCUS: {
      const LRESULT result = DefaultProc(message, wParam, lParam);
      FocusEnter();
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = DefaultProc(message, wParam, lParam);
      FocusExit();
      return result;
    }
    case WM_GETDLGCODE:
      return DialogCode(static_cast<UINT>(DefaultProc(message, wParam, lParam)), reinterpret_cast<const MSG*>(lParam));
    case WM_TIMER:
      if (Tick(wParam)) return 0;
      break;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
      if (!EditingAllowed()) return 0;
      break;
  }
  return DefaultProc(message, wParam, lParam);
}

LRESULT TWinControl::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (standardProc_) return CallWindowProcW(standardProc_, handle_, message, wParam, lParam);
  return DefWindowProcW(handle_, message, wParam, lParam);
}

void TWinControl::KeyPress(char16_t& key) { DoKeyPress(key); }

void TWinControl::DoKeyPress(char16_t& key) {
  if (OnKeyPress) OnKeyPress(*this, key);
}

TRect TWinControl::BoundsRect() const {
  RECT bounds{};
  GetWindowRect(handle_, &bounds);
  if (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&bounds), 2);
  return {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

TWinControl* TWinControl::Parent() const {
  if (!(GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)) return nullptr;
  return FromHandle(GetParent(handle_));
}

void TWinControl::SetTop(int top) {
  const TRect bounds = BoundsRect();
  SetBounds(bounds.Left, top, bounds.Width, bounds.Height);
}

void TWinControl::SetWidth(int width) {
  const TRect bounds = BoundsRect();
  SetBounds(bounds.Left, bounds.Top, width, bounds.Height);
}

TSize TWinControl::ClientSize() const {
  RECT client{};
  GetClientRect(handle_, &client);
  return {client.right, client.bottom};
}

void TWinControl::SetVisible(bool visible) { ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE); }
bool TWinControl::Visible() const { return (GetWindowLongW(handle_, GWL_STYLE) & WS_VISIBLE) != 0; }
void TWinControl::SetEnabled(bool enabled) { EnableWindow(handle_, enabled); }
bool TWinControl::Enabled() const { return IsWindowEnabled(handle_) != FALSE; }

void TWinControl::SetText(std::string_view text) { SetWindowTextW(handle_, Utf8ToWide(text).c_str()); }

std::string TWinControl::Text() const {
  std::wstring text(GetWindowTextLengthW(handle_) + 1, L'\0');
  text.resize(GetWindowTextW(handle_, text.data(), static_cast<int>(text.size())));
  return WideToUtf8(text);
}

void TWinControl::SetFont(const TFont& font) {
  font_ = font;
  const WindowDC screen;
  FontHandle made = MakeFont(font, GetDeviceCaps(screen.Get(), LOGPIXELSY));
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
  fontHandle_ = std::move(made);  // the old one only after the window let go of it
}

void TWinControl::SetFocus() { ::SetFocus(handle_); }
bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }
void TWinControl::Invalidate() { InvalidateRect(handle_, nullptr, TRUE); }
