#include "gui/win32/framework/Menu.h"

#include <stdexcept>

#include "gui/win32/framework/Form.h"
#include "win32/WideText.h"

namespace {

std::string ShortCutText(const TShortCut& shortcut) {
  std::string text;
  if (shortcut.Ctrl) text += "Ctrl+";
  if (shortcut.Alt) text += "Alt+";
  if (shortcut.Key >= VK_F1 && shortcut.Key <= VK_F24) text += "F" + std::to_string(shortcut.Key - VK_F1 + 1);
  else text += static_cast<char>(shortcut.Key);
  return text;
}

}  // namespace

TDropDownMenu::TDropDownMenu(TMainMenu& bar, std::string_view caption)
    : bar_(bar), menu_(bar.AddDropDown(caption)) {}

TMenuItem::TMenuItem(TDropDownMenu& menu, const TMenuItemOptions& options)
    : Caption(options.Caption), ShortCut(options.ShortCut), Hint(options.Hint), OnClick(options.OnClick) {
  menu.bar_.AddItem(menu.menu_, *this, options.LineBefore);
}

void TMenuItem::Click() { DoClick(); }

void TMenuItem::DoClick() {
  if (OnClick) OnClick(*this);
}

TMainMenu::TMainMenu(TForm& form) : menu_(CreateMenu()), window_(form.Handle()) {
  SetMenu(window_, menu_.Get());
  form.SetMenu(*this);
}

TMainMenu::~TMainMenu() {
  // A window destroys the menu bar it shows: take it back first.
  if (IsWindow(window_) && GetMenu(window_) == menu_.Get()) SetMenu(window_, nullptr);
}

HMENU TMainMenu::AddDropDown(std::string_view caption) {
  ::Menu popup(CreatePopupMenu());
  // The menu bar owns the drop-down once it holds it.
  if (!AppendMenuW(menu_.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Get()), Utf8ToWide(caption).c_str()))
    throw std::runtime_error("cannot add a menu");
  DrawMenuBar(window_);  // the bar's height, and so the client area, may change
  return popup.Release();
}

void TMainMenu::AddItem(HMENU dropDown, TMenuItem& item, bool lineBefore) {
  if (lineBefore) AppendMenuW(dropDown, MF_SEPARATOR, 0, nullptr);
  const UINT command = nextCommand_++;
  std::string text = item.Caption;
  if (item.ShortCut.Key) text += "\t" + ShortCutText(item.ShortCut);
  AppendMenuW(dropDown, MF_STRING, command, Utf8ToWide(text).c_str());
  MENUITEMINFOW info{sizeof info};
  info.fMask = MIIM_DATA;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
  SetMenuItemInfoW(dropDown, command, FALSE, &info);
  if (item.ShortCut.Key) {
    BYTE flags = FVIRTKEY;
    if (item.ShortCut.Alt) flags |= FALT;
    if (item.ShortCut.Ctrl) flags |= FCONTROL;
    shortcuts_.push_back({flags, item.ShortCut.Key, static_cast<WORD>(command)});
    accelerators_.Reset();
  }
}

HACCEL TMainMenu::Accelerators() {
  if (!accelerators_ && !shortcuts_.empty())
    accelerators_.Reset(CreateAcceleratorTableW(shortcuts_.data(), static_cast<int>(shortcuts_.size())));
  return accelerators_.Get();
}

TMenuItem* TMainMenu::ItemOf(UINT command) const {
  MENUITEMINFOW info{sizeof info};
  info.fMask = MIIM_DATA;
  if (!GetMenuItemInfoW(menu_.Get(), command, FALSE, &info)) return nullptr;
  return reinterpret_cast<TMenuItem*>(info.dwItemData);
}
