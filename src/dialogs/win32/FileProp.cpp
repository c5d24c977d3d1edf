#include "dialogs/win32/FileProp.h"

#include "support/win32/Win32Locale.h"

TfrmFileProperties::TfrmFileProperties(const TForm& owner, FileFacts& facts)
    : TForm({.Caption = "File Properties", .MinimizeBox = false, .MaximizeBox = false,
             .Design = {227, 252, 369, 437}, .ClientSize = {361, 410}, .Owner = &owner}),
      facts_(facts),
      locale_(ReadUserFormatSettings()) {
  ActiveControl = &btnOK;
  OnShow = Bind(this, &TfrmFileProperties::FormShow);
  OnHide = Bind(this, &TfrmFileProperties::FormHide);
}

std::array<std::pair<TCheckBox*, bool TFileAttributes::*>, 5> TfrmFileProperties::AttributeBoxes() {
  return {{{&chkReadOnly, &TFileAttributes::ReadOnly},
           {&chkArchive, &TFileAttributes::Archive},
           {&chkHidden, &TFileAttributes::Hidden},
           {&chkSystem, &TFileAttributes::System},
           {&chkCompressed, &TFileAttributes::Compressed}}};
}

TLabel* TfrmFileProperties::VersionLabel(std::string_view name) {
  const std::array<std::pair<std::string_view, TLabel*>, 3> labels{
      {{"lblLegalCopyright", &lblLegalCopyright},
       {"lblFileDescription", &lblFileDescription},
       {"lblFileVersion", &lblFileVersion}}};
  for (const auto& [labelName, label] : labels)
    if (labelName == name) return label;
  return nullptr;
}

void TfrmFileProperties::FormShow(TComponent&) {
  ItemValues.clear();
  PageControl1.SetActivePage(tabGeneral);
  lbxNames.Clear();
  memValues.SetText("");
  FilePropertiesShown shown = DescribeFile(FileName, facts_, locale_);
  SetCaption(shown.Caption);
  PageControl1.SetVisible(shown.Found);
  pnlError.SetVisible(!shown.Found);
  lblOnlineOnly.SetVisible(shown.OnlineOnly);
  if (!shown.Found) {
    pnlError.SetCaption(shown.ErrorText);
    return;
  }
  ShowVersionPage(shown);
  Image1.SetPicture(std::move(shown.Icon));
  lblType.SetCaption(shown.Type);
  lblLocation.SetCaption(shown.Location);
  lblLocation.Hint = shown.Location;
  lblName.SetCaption(shown.Name);
  lblDOSName.SetCaption(shown.ShortName);
  lblSize.SetCaption(shown.Size);
  lblModified.SetCaption(shown.Modified);
  lblCreated.SetCaption(shown.Created);
  lblAccessed.SetCaption(shown.Accessed);
  // Recorded before the boxes are set: setting one runs its handler, which holds it to
  // the record.
  attributes_ = shown.Attributes;
  for (const auto& [box, attribute] : AttributeBoxes()) box->SetChecked(attributes_.*attribute);
  chkCompressed.SetVisible(attributes_.Compressed);
  lblCompressedSize.SetCaption(shown.CompressedSize.value_or(""));
  lblCompressedSize.SetVisible(shown.CompressedSize.has_value());
  lblCompressedSizeCaption.SetVisible(shown.CompressedSize.has_value());
}

void TfrmFileProperties::ShowVersionPage(const FilePropertiesShown& shown) {
  tabVersion.SetTabVisible(shown.VersionTab);
  if (!shown.Version) return;
  for (const VersionItem& item : shown.Version->Labels)
    if (TLabel* label = VersionLabel("lbl" + item.Key)) label->SetCaption(item.Value);
  for (const VersionItem& item : shown.Version->Others) {
    lbxNames.AddItem(item.Key, nullptr);
    ItemValues.push_back(item.Value);
  }
}

void TfrmFileProperties::FormHide(TComponent&) { ItemValues.clear(); }

void TfrmFileProperties::lbxNamesClick(TComponent&) {
  const int index = lbxNames.ItemIndex();
  if (index >= 0 && index < static_cast<int>(ItemValues.size())) memValues.SetText(ItemValues[index]);
}

void TfrmFileProperties::AttributeClick(TComponent& sender) {
  // The dialog only shows attributes: a click is undone.
  for (const auto& [box, attribute] : AttributeBoxes())
    if (box == &sender) box->SetChecked(attributes_.*attribute);
}
