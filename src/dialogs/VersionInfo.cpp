#include "dialogs/VersionInfo.h"

#include "support/Format.h"

namespace {

constexpr std::string_view kDefaultTranslation = "040904E4";  // US English, code page 1252
constexpr uint16_t kEnglishUS = 0x0409;
constexpr uint16_t kWesternCodePage = 1252;

uint16_t WordAt(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

}  // namespace

TvlxVersionInfoResource::TvlxVersionInfoResource(VersionSource& source, TVersionInfoCaptions captions)
    : source_(source), captions_(std::move(captions)) {}

void TvlxVersionInfoResource::Loaded() {
  loading_ = false;
  ReadVersionInfo();
}

void TvlxVersionInfoResource::SetFilename(std::string filename) {
  filename_ = std::move(filename);
  if (!loading_) ReadVersionInfo();
}

void TvlxVersionInfoResource::SetForceEXE(bool force) {
  if (force == forceExe_) return;
  forceExe_ = force;
  if (!loading_) ReadVersionInfo();
}

void TvlxVersionInfoResource::SetShowResource(TPreDefs members) {
  if (members == showResource_) return;
  showResource_ = members;
  PopulateControls();
}

void TvlxVersionInfoResource::LinkLabel(LabelLink& link, TCaptionView* label, TPreDef shown) {
  link = {label, label ? &label->Component() : nullptr};
  if (!label) return;
  FreeNotification(*link.component);
  showResource_.Exclude(shown);
  PopulateControls();
}

void TvlxVersionInfoResource::SetVersionListView(TReportView* view) {
  listView_ = view;
  listViewComponent_ = view ? &view->Component() : nullptr;
  if (!view) return;
  FreeNotification(*listViewComponent_);
  PopulateControls();
}

void TvlxVersionInfoResource::Notification(TComponent& gone) {
  for (LabelLink* link : {&versionLabel_, &copyrightLabel_, &descriptionLabel_, &productLabel_}) {
    if (link->component == &gone) *link = {};
  }
  if (listViewComponent_ == &gone) {
    listView_ = nullptr;
    listViewComponent_ = nullptr;
  }
}

std::string TvlxVersionInfoResource::GetPredefinedValue(int32_t index) const {
  if (index < 0 || index >= kPreDefCount) return {};
  return GetVersionString(kPreDefKeys[index]);
}

std::string TvlxVersionInfoResource::GetVersionString(std::string_view name) const {
  const bool listed = translationIndex_ >= 0 && static_cast<size_t>(translationIndex_) < translations_.size();
  const std::string_view key = listed ? std::string_view(translations_[translationIndex_]) : kDefaultTranslation;
  std::string path = "\\StringFileInfo\\";
  path.append(key).append("\\").append(name);
  return block_.String(path).value_or(std::string());
}

std::string TvlxVersionInfoResource::GetResourceFilename() const {
  if (!filename_.empty()) return filename_;
  if (forceExe_ || source_.ComponentInExecutable()) return source_.ExecutablePath();
  return source_.ComponentModulePath();
}

void TvlxVersionInfoResource::ReadVersionInfo() {
  translations_.clear();
  fixedInfo_.Assign(std::nullopt);
  data_ = source_.ReadVersionBlock(GetResourceFilename());
  block_ = VersionBlock(data_);
  if (data_.empty()) {
    fileVersion_.Invalidate();
    productVersion_.Invalidate();
  } else {
    fixedInfo_.Assign(block_.FixedInfo());
    const std::span<const uint8_t> table = block_.Value("\\VarFileInfo\\Translation").value_or(std::span<const uint8_t>());
    for (size_t at = 0; at + 4 <= table.size(); at += 4) {
      // Zeros stand for US English and the Western code page.
      const uint16_t language = WordAt(table, at);
      const uint16_t codePage = WordAt(table, at + 2);
      translations_.push_back(Format("%.4x%.4x", {int64_t{language ? language : kEnglishUS},
                                                  int64_t{codePage ? codePage : kWesternCodePage}}));
    }
    if (translationIndex_ < 0 || static_cast<size_t>(translationIndex_) >= translations_.size()) translationIndex_ = 0;
    fileVersion_.Assign(fixedInfo_.FileVersionMS(), fixedInfo_.FileVersionLS(), GetPredefinedValue(pdFileVersion));
    productVersion_.Assign(fixedInfo_.ProductVersionMS(), fixedInfo_.ProductVersionLS(),
                           GetPredefinedValue(pdProductVersion));
  }
  PopulateControls();
}

void TvlxVersionInfoResource::Show(const LabelLink& link, const std::string& text) {
  if (link.view) link.view->SetCaption(text);
}

void TvlxVersionInfoResource::PopulateControls() {
  if (loading_) return;
  Show(versionLabel_, fileVersion_.AsString());
  Show(copyrightLabel_, GetPredefinedValue(pdLegalCopyright));
  Show(productLabel_, GetPredefinedValue(pdProductName));
  Show(descriptionLabel_, GetPredefinedValue(pdFileDescription));
  if (listView_) BuildListView();
}

void TvlxVersionInfoResource::BuildListView() {
  if (!listView_) return;
  listView_->Clear();
  listView_->SetReadOnlyReport();
  constexpr int kSizeToHeader = -2;
  listView_->AddColumn(captions_.Resource, kSizeToHeader);
  listView_->AddColumn(captions_.Value, kSizeToHeader);
  const auto predefined = [this](TPreDef member) { return GetPredefinedValue(member); };
  const std::pair<TPreDef, std::string> rows[] = {
      {pdProductName, predefined(pdProductName)},
      {pdProductVersion, productVersion_.AsString()},
      {pdCompanyName, predefined(pdCompanyName)},
      {pdLegalCopyright, predefined(pdLegalCopyright)},
      {pdLegalTrademarks, predefined(pdLegalTrademarks)},
      {pdFileDescription, predefined(pdFileDescription)},
      {pdFileVersion, fileVersion_.AsString()},
      {pdInternalName, predefined(pdInternalName)},
      {pdOriginalFilename, predefined(pdOriginalFilename)},
      {pdBuildFlags, GetBuildFlags()},
      {pdComments, predefined(pdComments)},
  };
  for (const auto& [member, value] : rows) {
    if (!value.empty() && showResource_.Contains(member)) listView_->AddRow(captions_.PreDefs[member], value);
  }
}

std::string TvlxVersionInfoResource::GetBuildFlags() const {
  std::string text;
  const TVersionFileFlags flags = fixedInfo_.FileFlags();
  for (int32_t flag = 0; flag < kVersionFileFlagCount; ++flag) {
    if (!flags.Contains(static_cast<TVersionFileFlag>(flag))) continue;
    if (!text.empty()) text += ", ";
    text += captions_.Flags[flag];
  }
  return text;
}
