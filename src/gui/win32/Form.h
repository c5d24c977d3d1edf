#pragma once

#include <functional>
#include <vector>

#include "gui/win32/Button.h"
#include "gui/Colour.h"
#include "gui/GraphicControl.h"
#include "gui/win32/Menu.h"
#include "gui/Placement.h"
#include "gui/win32/WinControl.h"

enum class TBorderStyle { Sizeable, Dialog };

// A top-level window that holds controls: windowed ones as child windows, graphic
// ones painted here (off-screen first, so nothing flickers) and given the mouse.
class TForm : public TWinControl, public GraphicHost, public PlacedWindow {
 public:
  explicit TForm(TBorderStyle border = TBorderStyle::Sizeable, bool maximizeBox = true);
  ~TForm() override;

  void SetCaption(std::string_view caption) { SetText(caption); }
  std::string Caption() const { return Text(); }
  void SetClientSize(int width, int height);
  // Calls OnShow, then shows the window (as its placement says).
  void Show();
  void Hide() { ShowWindow(Handle(), SW_HIDE); }
  // Asks the form to close, as the close box does.
  void Close() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

  // Places a graphic control on this form.
  void AddGraphic(TGraphicControl& control);
  void InvalidateControl(TGraphicControl& control) override;

  // Shows the menu bar; its shortcuts work while this form has the keyboard.
  void SetMenu(TMainMenu& menu);
  // Shows a control's Hint (as it is at that moment) when the mouse rests on it.
  void ShowHintOf(TWinControl& control);

  TColor Color = clBtnFace;
  // Clicked by Escape and by Enter, when enabled.
  TButton* CancelButton = nullptr;
  TButton* DefaultButton = nullptr;

  TNotifyEvent OnShow;
  TNotifyEvent OnResize;
  std::function<void(TComponent& sender, bool& canClose)> OnCloseQuery;

  // The state and the bounds the window has when neither minimised nor maximised.
  TPlacement Placement() const override;
  void ApplyPlacement(const TPlacement& placement) override;
  std::vector<TScreenArea> MonitorWorkAreas() const override;
  int MinimumWidth() const override { return 0; }
  int MinimumHeight() const override { return 0; }

  // The form that a window belongs to, if it is one of ours.
  static TForm* FormOf(HWND window);
  // Keyboard shortcuts and dialog keys; true when the message was used up.
  virtual bool PreTranslateMessage(MSG& message);

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void DoShow();
  virtual void DoResize();
  virtual bool DoCloseQuery();

 private:
  void Paint();
  void RouteMouse(UINT message, WPARAM wParam, LPARAM lParam);
  TGraphicControl* GraphicAt(int x, int y) const;

  void Command(WORD command);
  LRESULT HintText(NMHDR& header);

  std::vector<TGraphicControl*> graphics_;
  TGraphicControl* mouseControl_ = nullptr;  // the one that got the press, until release
  TMainMenu* menu_ = nullptr;
  HWND hints_ = nullptr;   // the tooltip window
  std::wstring hintText_;  // what the tooltip shows now
};
