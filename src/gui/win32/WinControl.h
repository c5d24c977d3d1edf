#pragma once

#include <string>
#include <string_view>

#include "gui/Component.h"
#include "gui/Font.h"
#include "gui/win32/GdiObjects.h"
#include "win32/WinApi.h"

// A control with a window of its own, which it owns. One window procedure per window
// class finds the object behind a window and hands it the message; the notifications
// a parent receives about a child (commands, notify, owner drawing, colours) go to the
// child's own object.
class TWinControl : public TComponent {
 public:
  ~TWinControl() override;
  TWinControl(const TWinControl&) = delete;
  TWinControl& operator=(const TWinControl&) = delete;

  HWND Handle() const { return handle_; }
  // The object behind a window made by this layer; none for other windows.
  static TWinControl* FromHandle(HWND window);

  // Bounds in pixels within the parent's client area (the screen for a form).
  void SetBounds(int left, int top, int width, int height);
  void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
  int Left() const { return Bounds().left; }
  int Top() const { return Bounds().top; }
  int Width() const { return Bounds().right - Bounds().left; }
  int Height() const { return Bounds().bottom - Bounds().top; }
  int ClientWidth() const;
  int ClientHeight() const;

  void SetVisible(bool visible);
  // Its own visibility, whether or not its parent shows.
  bool Visible() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void SetText(std::string_view text);
  std::string Text() const;
  void SetFont(const TFont& font);
  const TFont& Font() const { return font_; }
  void SetFocus();
  void Invalidate();

  std::string Hint;

 protected:
  TWinControl() = default;

  // Makes the window. Our own classes meet their object at WM_NCCREATE; system
  // classes (buttons, list boxes, ...) are subclassed right after they are made. The
  // object sits in the window's user data: window properties and comctl32's
  // subclassing cost a wineserver round trip per message under Wine.
  void CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, std::string_view text = {});

  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

  // What the parent hears about this control, handed to it.
  virtual void CommandNotification(WORD code);
  virtual LRESULT NotifyNotification(NMHDR& header);
  virtual bool DrawItemNotification(const DRAWITEMSTRUCT& item);
  virtual HBRUSH ColourNotification(HDC dc);

  // Registers one of this layer's window classes (once) and gives its name.
  static const wchar_t* OwnWindowClass(const wchar_t* name, UINT style, HBRUSH background);

 private:
  RECT Bounds() const;
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  void Attach(HWND window);
  void Detach();
  static LRESULT CALLBACK OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK StandardClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
  WNDPROC standardProc_ = nullptr;  // a system class's own procedure
  TFont font_;
  FontHandle fontHandle_;
};
