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
  else if (shortcut.Key == VK_DELETE) text += "Del";
  else text += static_cast<char>(shortcut.Key);
  return text;
}

std::wstring ItemText(const TMenuItem& item) {
  std::string text = item.Caption;
  if (item.ShortCut.Key) text += "\t" + ShortCutText(item.ShortCut);
  return Utf8ToWide(text);
}

void AppendItem(HMENU menu, UINT command, TMenuItem& item, bool lineBefore) {
  if (lineBefore) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  if (!AppendMenuW(menu, MF_STRING, command, ItemText(item).c_str())) throw std::runtime_error("cannot add a menu item");
  MENUITEMINFOW info{sizeof info};
  info.fMask = MIIM_DATA;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
  SetMenuItemInfoW(menu, command, FALSE, &info);
}

bool Held(int key) { return GetKeyState(key) < 0; }

}  // namespace

TDropDownMenu::TDropDownMenu(TMainMenu& bar, std::string_view caption)
    : bar_(bar), menu_(bar.AddDropDown(caption)) {}

TMenuItem::TMenuItem(TDropDownMenu& menu, const TMenuItemOptions& options)
    : Caption(options.Caption), ShortCut(options.ShortCut), Hint(options.Hint), OnClick(options.OnClick) {
  menu.bar_.AddItem(menu.menu_, *this, options.LineBefore);
}

TMenuItem::TMenuItem(TPopupMenu& menu, const TMenuItemOptions& options)
    : Caption(options.Caption), ShortCut(options.ShortCut), Hint(options.Hint), OnClick(options.OnClick) {
  menu.AddItem(*this, options.LineBefore);
}

void TMenuItem::Click() { DoClick(); }

void TMenuItem::SetEnabled(bool enabled) {
  EnableMenuItem(menu_, command_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool TMenuItem::Enabled() const { return !(GetMenuState(menu_, command_, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)); }

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
  const UINT command = nextCommand_++;
  AppendItem(dropDown, command, item, lineBefore);
  item.menu_ = dropDown;
  item.command_ = command;
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

TPopupMenu::TPopupMenu(const TPopupMenuOptions& options) : OnPopup(options.OnPopup), menu_(CreatePopupMenu()) {
  if (!menu_) throw std::runtime_error("cannot make a menu");
}

void TPopupMenu::AddItem(TMenuItem& item, bool lineBefore) {
  const auto command = static_cast<UINT>(items_.size() + 1);  // 0 is what TrackPopupMenuEx gives for none
  AppendItem(menu_.Get(), command, item, lineBefore);
  item.menu_ = menu_.Get();
  item.command_ = command;
  items_.push_back(&item);
}

TMenuItem* TPopupMenu::ItemOf(UINT command) const {
  return command >= 1 && command <= items_.size() ? items_[command - 1] : nullptr;
}

void TPopupMenu::Popup(HWND owner, POINT screen) {
  if (OnPopup) OnPopup(*this);
  const auto command = static_cast<UINT>(
      TrackPopupMenuEx(menu_.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, owner, nullptr));
  if (TMenuItem* item = ItemOf(command)) item->Click();
}

bool TPopupMenu::ShortCutKey(WORD key) {
  if (Held(VK_SHIFT)) return false;  // Shift+Del means "for good" elsewhere: never ours
  for (TMenuItem* item : items_) {
    const TShortCut& shortcut = item->ShortCut;
    if (shortcut.Key != key || shortcut.Ctrl != Held(VK_CONTROL) || shortcut.Alt != Held(VK_MENU)) continue;
    if (OnPopup) OnPopup(*this);
    if (item->Enabled()) item->Click();
    return true;
  }
  return false;
}
