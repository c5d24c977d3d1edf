#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "gui/Dpi.h"
#include "gui/Layout.h"
#include "gui/Placement.h"
#include "gui/win32/framework/Button.h"
#include "gui/win32/framework/CustomControl.h"
#include "gui/win32/framework/Menu.h"

enum class TBorderStyle { Sizeable, Dialog };
enum class TFormPosition { Designed, ScreenCenter };

class TForm;

// How a form is made. Sizes and positions are design pixels (96 dots per inch).
struct TFormOptions {
  std::string Caption;
  TBorderStyle Border = TBorderStyle::Sizeable;
  bool MinimizeBox = true;
  bool MaximizeBox = true;
  TFormPosition Position = TFormPosition::Designed;
  TRect Design;          // where it opens, and its outer size when it has one
  TSize ClientSize;      // the client area its controls are designed in; its size when Design has none
  const TForm* Owner = nullptr;  // a dialog's owner: kept above it and disabled while it is shown modally
  const TGlyph* Icon = nullptr;  // on its caption and task-bar button; none for the system's
};

// A top-level window that holds controls: windowed ones as child windows, graphic
// ones painted here. Its controls are laid out as each of them is designed. It can be
// shown modally, returning how it was closed; a shown dialog answers Enter with its
// default button and Escape with its cancel button. A form is made as a TFinalForm.
class TForm : public TCustomControl, public PlacedWindow {
 public:

  void SetCaption(std::string_view caption) { SetText(caption); }
  std::string Caption() const { return Text(); }
  // Calls OnShow, then shows the window (as its placement says).
  void Show();
  // Hides the window, then calls OnHide.
  void Hide();
  // Asks the form to close, as the close box does.
  void Close() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

  // Shows the form with its owner disabled until it closes; how it was closed.
  TModalResult ShowModal();
  // Closes a modal showing with this result; None keeps it open. The modal loop wakes
  // for it, also when no message follows (a button pressed from another process).
  void SetModalResult(TModalResult result);
  TModalResult ModalResult() const { return modalResult_; }

  // Lays out the controls made inside it, and shows their hints (as they are when
  // they show).
  void Adopt(TPlaced& control, const TDesign& design) override;


  const DpiScale Scale;
  // Clicked by Escape and by Enter, when enabled; buttons made as such set them.
  TButton* CancelButton = nullptr;
  TButton* DefaultButton = nullptr;
  // Gets the keyboard whenever the form is shown.
  TWinControl* ActiveControl = nullptr;

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnResize;
  std::function<void(TComponent& sender, bool& canClose)> OnCloseQuery;
  // The form closes for good (a modal showing is no closing).
  TNotifyEvent OnClose;

  // The state and the bounds the window has when neither minimised nor maximised.
  TPlacement Placement() const override;
  void ApplyPlacement(const TPlacement& placement) override;
  std::vector<TScreenArea> MonitorWorkAreas() const override;
  // The smallest size the user can drag the window to; 0 for no limit.
  int MinimumWidth() const override { return 0; }
  int MinimumHeight() const override { return 0; }

  // The form that a window belongs to, if it is one of ours.
  static TForm* FormOf(HWND window);
  // Keyboard shortcuts and dialog keys; true when the message was used up.
  virtual bool PreTranslateMessage(MSG& message);

 protected:
  explicit TForm(const TFormOptions& options);

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Resized() override;
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoResize();
  virtual bool DoCloseQuery();
  virtual void DoClose();

 private:
  friend class TMainMenu;
  class ModalScope;
  // The menu bar made on it: its commands and, while this form has the keyboard, its
  // shortcuts come to it.
  void SetMenu(TMainMenu& menu) { menu_ = &menu; }
  // Shows a control's Hint (as it is at that moment) when the mouse rests on it.
  void ShowHintOf(TWinControl& control);
  void Command(WORD command);
  LRESULT HintText(NMHDR& header);
  void Centre();

  TFormPosition position_;
  HWND owner_ = nullptr;
  bool modal_ = false;
  TModalResult modalResult_ = TModalResult::None;
  TLayout layout_;
  TMainMenu* menu_ = nullptr;
  WindowHandle hints_;     // the tooltip window
  std::wstring hintText_;  // what the tooltip shows now
};

// A form as the program makes it: its window goes first, before the members of every
// class of its chain, so no message reaches a member that is gone. Forms are made only
// this way: their constructors are protected.
template <typename Form>
class TFinalForm final : public Form {
 public:
  template <typename... Arguments>
  explicit TFinalForm(Arguments&&... arguments) : Form(std::forward<Arguments>(arguments)...) {}
  ~TFinalForm() override { this->DestroyHandle(); }
};
