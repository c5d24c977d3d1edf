#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/VersionInfoTypes.h"
#include "dialogs/VersionSource.h"
#include "gui/CaptionView.h"
#include "gui/Component.h"
#include "gui/ReportView.h"

// Reads the version resource of a file, by default the running program's, and offers
// its strings, version numbers and build flags; it can fill up to four labels and a
// list view. It lives on a form: the form sets its properties and links, then calls
// Loaded, which reads once and fills the controls. Until then writes only store.
// Afterwards every write of Filename reads, and so does a change of ForceEXE; look-ups
// use the block of the last read.
class TvlxVersionInfoResource : public TComponent {
 public:
  explicit TvlxVersionInfoResource(VersionSource& source, TVersionInfoCaptions captions = {});

  virtual void Loaded();

  std::string Version() const { return "TvlxVersionInfoResource v2.35"; }

  const std::string& Filename() const { return filename_; }
  void SetFilename(std::string filename);  // empty: the program's own module
  // Read the executable even when the reader sits in a library.
  bool ForceEXE() const { return forceExe_; }
  void SetForceEXE(bool force);

  // Translation keys ("080904E4") in resource order; look-ups use the one at the index.
  const std::vector<std::string>& Translations() const { return translations_; }
  int32_t TranslationIndex() const { return translationIndex_; }
  void SetTranslationIndex(int32_t index) { translationIndex_ = index; }

  // The rows the list view may show; a change refills the controls.
  TPreDefs ShowResource() const { return showResource_; }
  void SetShowResource(TPreDefs members);

  const TFixedFileVersionInfo& FixedInfo() const { return fixedInfo_; }
  const TVersionNumberInformation& FileVersionNumber() const { return fileVersion_; }
  const TVersionNumberInformation& ProductVersionNumber() const { return productVersion_; }

  std::string CompanyName() const { return GetPredefinedValue(pdCompanyName); }
  std::string FileDescription() const { return GetPredefinedValue(pdFileDescription); }
  std::string InternalName() const { return GetPredefinedValue(pdInternalName); }
  std::string LegalCopyright() const { return GetPredefinedValue(pdLegalCopyright); }
  std::string LegalTrademarks() const { return GetPredefinedValue(pdLegalTrademarks); }
  std::string OriginalFilename() const { return GetPredefinedValue(pdOriginalFilename); }
  std::string ProductName() const { return GetPredefinedValue(pdProductName); }
  std::string Comments() const { return GetPredefinedValue(pdComments); }

  // Linking a label takes its member out of ShowResource, so the list does not repeat
  // it; null only forgets the link.
  TCaptionView* VersionLabel() const { return versionLabel_.view; }
  void SetVersionLabel(TCaptionView* label) { LinkLabel(versionLabel_, label, pdFileVersion); }
  TCaptionView* CopyrightLabel() const { return copyrightLabel_.view; }
  void SetCopyrightLabel(TCaptionView* label) { LinkLabel(copyrightLabel_, label, pdLegalCopyright); }
  TCaptionView* ProductLabel() const { return productLabel_.view; }
  void SetProductLabel(TCaptionView* label) { LinkLabel(productLabel_, label, pdProductName); }
  TCaptionView* DescriptionLabel() const { return descriptionLabel_.view; }
  void SetDescriptionLabel(TCaptionView* label) { LinkLabel(descriptionLabel_, label, pdFileDescription); }
  TReportView* VersionListView() const { return listView_; }
  void SetVersionListView(TReportView* view);

  // The string of a TPreDef ordinal (0 to 10); empty for any other.
  std::string GetPredefinedValue(int32_t index) const;
  // Any string of the selected translation's table ("040904E4" without a table).
  std::string GetVersionString(std::string_view name) const;

  virtual std::string GetResourceFilename() const;
  virtual void PopulateControls();
  virtual void BuildListView();
  // The captions of the set flags joined by ", ".
  virtual std::string GetBuildFlags() const;
  virtual void ReadVersionInfo();

 protected:
  void Notification(TComponent& gone) override;

 private:
  // The component is kept apart: a control is no longer its view when it is destroyed.
  struct LabelLink {
    TCaptionView* view = nullptr;
    TComponent* component = nullptr;
  };
  void LinkLabel(LabelLink& link, TCaptionView* label, TPreDef shown);
  static void Show(const LabelLink& link, const std::string& text);

  VersionSource& source_;
  const TVersionInfoCaptions captions_;
  bool loading_ = true;
  std::vector<uint8_t> data_;
  VersionBlock block_;
  std::string filename_;
  std::vector<std::string> translations_;
  int32_t translationIndex_ = 0;
  TFixedFileVersionInfo fixedInfo_;
  bool forceExe_ = false;
  TVersionNumberInformation fileVersion_;
  TVersionNumberInformation productVersion_;
  LabelLink versionLabel_;
  LabelLink copyrightLabel_;
  LabelLink descriptionLabel_;
  LabelLink productLabel_;
  TReportView* listView_ = nullptr;
  TComponent* listViewComponent_ = nullptr;
  TPreDefs showResource_ = kAllPreDefs;
};
