#pragma once

#include <functional>

#include "app/EntryActions.h"
#include "gui/win32/framework/Menu.h"

// Who carries out what an entry's menu chooses: the main window, for its list and for
// the lists of the dialogs that find files.
class EntryActionTarget {
 public:
  virtual EntryActions Offered(const TFolderData& entry) const = 0;
  // Carries the action out; true when the entry left the tree.
  virtual bool Act(EntryAction action, const TFolderData& entry) = 0;

 protected:
  ~EntryActionTarget() = default;
};

struct TEntryMenuOptions {
  EntryActionTarget& Target;
  std::function<const TFolderData*()> Chosen;       // the entry it is for; none
  std::function<void(const TFolderData&)> Removed;  // the entry left the tree
};

// The context menu of a list of entries: Open, Show in Explorer, Copy Path (Ctrl+C) and
// Delete to Recycle Bin (Del), each offered as the target says for the chosen entry.
class TEntryMenu : public TPopupMenu {
 public:
  explicit TEntryMenu(TEntryMenuOptions options);

 private:
  void Enable(TComponent& sender);
  void Run(EntryAction action);

  TEntryMenuOptions options_;
  TMenuItem Open{*this, {.Caption = "&Open", .OnClick = [this](TComponent&) { Run(EntryAction::Open); }}};
  TMenuItem ShowInExplorer{
      *this, {.Caption = "Show in &Explorer", .OnClick = [this](TComponent&) { Run(EntryAction::ShowInExplorer); }}};
  TMenuItem CopyPath{*this, {.Caption = "&Copy Path", .ShortCut = {.Key = 'C', .Ctrl = true},
                             .OnClick = [this](TComponent&) { Run(EntryAction::CopyPath); }}};
  TMenuItem Recycle{*this, {.Caption = "&Delete to Recycle Bin...", .ShortCut = {.Key = VK_DELETE}, .LineBefore = true,
                            .OnClick = [this](TComponent&) { Run(EntryAction::Recycle); }}};
};
