#include "app/win32/ScanReportDialog.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
  return text;
}

void Fill(TListBox& list, const std::vector<ReportLine>& lines) {
  list.BeginUpdate(static_cast<int>(lines.size()));
  list.Clear();
  for (const ReportLine& line : lines) list.AddItem(line.Text, const_cast<ReportLine*>(&line));
  list.EndUpdate();
}

}  // namespace

TScanReportDialog::TScanReportDialog(const TForm& owner)
    : TForm({.Caption = "Scan Report", .MinimizeBox = false, .Design = {200, 120, 528, 427},
             .ClientSize = {520, 400}, .Owner = &owner}) {
  ActiveControl = &btnClose;
  OnShow = Bind(this, &TScanReportDialog::FormShow);
}

void TScanReportDialog::FormShow(TComponent&) {
  FolderToOpen.clear();
  Pages.SetActivePage(ReportSheet);
  memSummary.SetText(Joined(Texts.Summary));
  lblUnreadable.SetCaption(Texts.UnreadableTitle);
  Fill(lbxUnreadable, Texts.Unreadable);
  lblNotEntered.SetCaption(Texts.NotEnteredTitle);
  Fill(lbxNotEntered, Texts.NotEntered);
  memChanges.SetText(Joined(Texts.ChangesSummary));
  Fill(lbxGrown, Texts.Grown);
  Fill(lbxShrunk, Texts.Shrunk);
}

void TScanReportDialog::ListDblClick(TComponent& sender) {
  auto& list = static_cast<TListBox&>(sender);
  if (list.ItemIndex() < 0) return;
  const auto* line = static_cast<const ReportLine*>(list.Object(list.ItemIndex()));
  if (line->Folder.empty()) return;  // a folder that is gone
  FolderToOpen = line->Folder;
  SetModalResult(TModalResult::Ok);
}

void TScanReportDialog::btnSaveClick(TComponent& sender) {
  if (OnSave) OnSave(sender);
}
