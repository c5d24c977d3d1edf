#include "app/win32/EntryMenu.h"

TEntryMenu::TEntryMenu(TEntryMenuOptions options)
    : TPopupMenu({.OnPopup = [this](TComponent& sender) { Enable(sender); }}), options_(std::move(options)) {}

void TEntryMenu::Enable(TComponent&) {
  const TFolderData* entry = options_.Chosen();
  const EntryActions offered = entry ? options_.Target.Offered(*entry) : EntryActions{};
  Open.SetEnabled(offered.Contains(EntryAction::Open));
  ShowInExplorer.SetEnabled(offered.Contains(EntryAction::ShowInExplorer));
  CopyPath.SetEnabled(offered.Contains(EntryAction::CopyPath));
  Recycle.SetEnabled(offered.Contains(EntryAction::Recycle));
}

void TEntryMenu::Run(EntryAction action) {
  const TFolderData* entry = options_.Chosen();
  // Offered again: the menu may have been enabled before a scan began.
  if (!entry || !options_.Target.Offered(*entry).Contains(action)) return;
  if (options_.Target.Act(action, *entry) && options_.Removed) options_.Removed(*entry);
}
