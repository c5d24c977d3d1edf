#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "gui/Component.h"
#include "gui/Font.h"
#include "gui/Layout.h"
#include "gui/Mouse.h"
#include "win32/Handles.h"
#include "win32/WinApi.h"

class TPopupMenu;

// A key typed into a control; setting it to 0 swallows it.
using TKeyPressEvent = std::function<void(TComponent& sender, char16_t& key)>;

// A control with a window of its own, which it owns. One window procedure per window
// class finds the object behind a window and hands it the message, decoded into the
// typed handlers below; the notifications a parent receives about a child (commands,
// notify, owner drawing, colours, scrolling) go to the child's own object.
class TWinControl : public TComponent, public TPlaced {
 public:
  ~TWinControl() override;

  HWND Handle() const { return handle_; }
  // The object behind a window made by this layer; none for other windows.
  static TWinControl* FromHandle(HWND window);

  // Bounds in pixels within the parent's client area (the screen for a form).
  void SetBounds(int left, int top, int width, int height) override;
  TRect BoundsRect() const;
  TRect Bounds() const override { return BoundsRect(); }
  const TPlaced* Container() const override { return Parent(); }
  // The control of this layer that it is a child of; none for a window of its own.
  TWinControl* Parent() const;
  int Left() const { return BoundsRect().Left; }
  int Top() const { return BoundsRect().Top; }
  int Width() const { return BoundsRect().Width; }
  int Height() const { return BoundsRect().Height; }
  void SetTop(int top);
  void SetWidth(int width);
  TSize ClientSize() const;
  int ClientWidth() const { return ClientSize().Width; }
  int ClientHeight() const { return ClientSize().Height; }

  void SetVisible(bool visible);
  // Its own visibility, whether or not its parent shows.
  bool Visible() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void SetText(std::string_view text);
  std::string Text() const;
  void SetFont(const TFont& font);
  const TFont& Font() const { return font_; }
  // The font as GDI has it, for drawing in it.
  HFONT GdiFont() const { return fontHandle_.Get(); }
  void SetFocus();
  bool Focused() const;
  void Invalidate();

  std::string Hint;
  TKeyPressEvent OnKeyPress;
  // Shown when the user asks for the control's context menu; its shortcuts work here.
  TPopupMenu* PopupMenu = nullptr;

  // A control was made inside this one, as designed: it goes to the form, which lays
  // it out and shows its hint.
  virtual void Adopt(TPlaced& control, const TDesign& design);

 protected:
  TWinControl() = default;

  // Makes the window as designed, and hands it to its container. Our own classes meet
  // their object at WM_NCCREATE; system classes (buttons, list boxes, ...) are
  // subclassed right after they are made. The object sits in the window's user data:
  // window properties and comctl32's subclassing cost a wineserver round trip per
  // message under Wine.
  void CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, std::string_view text = {},
                    const TDesign& design = {});
  // Destroys the window now (with its children); a form does this first thing in its
  // destructor, so no message reaches members that are already gone.
  void DestroyHandle();

  // The messages, decoded. Each runs after (focus, size) or instead of (keys, when
  // the key is swallowed) what the window class itself does.
  virtual void Resized() {}
  virtual void KeyDown(WORD& /*key*/) {}
  virtual void KeyPress(char16_t& key);
  virtual void FocusEnter() {}
  virtual void FocusExit() {}
  // The keys this control wants from the dialog manager, given what its class wants.
  virtual UINT DialogCode(UINT classCode, const MSG* /*message*/) { return classCode; }
  // Whether paste, cut and clear may change the text.
  virtual bool EditingAllowed() const { return true; }
  // The context menu was asked for with the mouse at this client point (a list selects
  // the line there first).
  virtual void ContextMenuAt(POINT /*client*/) {}
  // Where the context menu shows when asked for from the keyboard, in client pixels.
  virtual POINT ContextMenuPlace() const { return {0, 0}; }
  // A window timer of this control's; false when it is none of its own.
  virtual bool Tick(UINT_PTR /*id*/) { return false; }
  // A handler of `message` failed: what would bring the failure straight back stops,
  // the paint of the same area or the timer's next tick.
  virtual void HandlerFailed(UINT message, WPARAM wParam) noexcept;

  // What the parent hears about this control, handed to it.
  virtual void CommandNotification(WORD /*code*/) {}
  virtual LRESULT NotifyNotification(NMHDR& /*header*/) { return 0; }
  virtual bool DrawItemNotification(const DRAWITEMSTRUCT& /*item*/) { return false; }
  virtual HBRUSH ColourNotification(HDC /*dc*/) { return nullptr; }
  virtual void ScrollNotification(WORD /*code*/) {}

  virtual void DoKeyPress(char16_t& key);

  // Window messages the layer's own classes (forms, containers) take themselves;
  // the base decodes the common ones into the handlers above.
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

  // Registers one of this layer's window classes (once) and gives its name.
  static const wchar_t* OwnWindowClass(const wchar_t* name, UINT style, HBRUSH background);

 private:
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  LRESULT ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  void ShowPopupMenu(LPARAM screenPoint);
  void Attach(HWND window);
  void Detach();
  static LRESULT CALLBACK OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK StandardClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
  WNDPROC standardProc_ = nullptr;  // a system class's own procedure
  TFont font_;
  FontHandle fontHandle_;
};
