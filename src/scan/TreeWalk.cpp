#include "scan/TreeWalk.h"

bool IsFileOrFolder(const TFolderData& entry) {
  // The free-space entry is the one entry that counts less than nothing.
  return entry.SubList || (entry.Nominal >= 0 && entry.Name() != "..");
}

TreeWalk::Step TreeWalk::Next() {
  while (!stack_.empty()) {
    Pending& top = stack_.back();
    if (top.Next == top.Level->Entries().size()) {
      stack_.pop_back();
      return stack_.empty() ? Step::Done : Step::FolderEnd;
    }
    entry_ = top.Level->Entries()[top.Next++];
    if (entry_->SubList && entry_->SubList->NotEntered()) return Step::Link;
    if (entry_->SubList) {
      stack_.push_back({entry_->SubList, 0});
      return Step::Folder;
    }
    if (IsFileOrFolder(*entry_)) return Step::File;
  }
  return Step::Done;
}
