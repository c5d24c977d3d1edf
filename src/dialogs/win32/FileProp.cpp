#include "dialogs/win32/FileProp.h"

#include <array>

#include <shellapi.h>

#include "dialogs/FilePropertyTexts.h"
#include "dialogs/VersionBlock.h"
#include "support/FilePaths.h"
#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/Win32Locale.h"
#include "win32/Win32ScanPlatform.h"

namespace {

// A file that only stands for one kept elsewhere: opening it would fetch the data.
// The recall bits (Windows 10 on) are spelled out: the headers hide them from a
// program that also runs on Windows 7.
constexpr DWORD kRecallOnOpen = 0x40000;
constexpr DWORD kRecallOnDataAccess = 0x400000;
constexpr DWORD kPlaceholderAttributes = FILE_ATTRIBUTE_OFFLINE | kRecallOnOpen | kRecallOnDataAccess;

uint64_t FileTimeValue(const FILETIME& time) {
  return static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

}  // namespace

TfrmFileProperties::TfrmFileProperties(const TForm& owner)
    : TForm({.Caption = "File Properties", .MinimizeBox = false, .MaximizeBox = false,
             .Design = {227, 252, 369, 437}, .Owner = &owner}),
      locale_(ReadUserFormatSettings()) {
  // The pages and the button follow a resized window, and the values stretch with
  // them; the rest keeps its place. The values of the General page are one column.
  constexpr TAnchors kValue = akLeft | akTop | akRight;
  SetLayout(TLayout(DesignClientSize(), {{PageControl1, {8, 8, 345, 361}, kAllSides},
                                         {Image1, {24, 8, 32, 32}},
                                         {lblName, {104, 16, 225, 13}, kValue},
                                         {Bevel3, {8, 48, 321, 2}},
                                         {Label1, {16, 56, 84, 13}},
                                         {lblType, {104, 56, 225, 13}, kValue},
                                         {Label2, {16, 76, 84, 13}},
                                         {lblLocation, {104, 76, 225, 13}, kValue},
                                         {Label3, {16, 96, 84, 13}},
                                         {lblSize, {104, 96, 225, 13}, kValue},
                                         {lblCompressedSizeCaption, {16, 116, 84, 13}},
                                         {lblCompressedSize, {104, 116, 225, 13}, kValue},
                                         {Bevel1, {8, 146, 321, 2}},
                                         {Label4, {16, 160, 76, 13}},
                                         {lblDOSName, {104, 160, 225, 13}, kValue},
                                         {Label5, {16, 180, 76, 13}},
                                         {lblCreated, {104, 180, 225, 13}, kValue},
                                         {Label6, {16, 200, 76, 13}},
                                         {lblModified, {104, 200, 225, 13}, kValue},
                                         {Label7, {16, 220, 76, 13}},
                                         {lblAccessed, {104, 220, 225, 13}, kValue},
                                         {Bevel2, {8, 248, 321, 2}},
                                         {Label8, {16, 262, 76, 13}},
                                         {chkReadOnly, {96, 262, 81, 17}},
                                         {chkHidden, {192, 262, 81, 17}},
                                         {chkArchive, {96, 284, 81, 17}},
                                         {chkSystem, {192, 284, 81, 17}},
                                         {chkCompressed, {96, 306, 81, 17}},
                                         {Label9, {8, 16, 60, 13}},
                                         {lblFileVersion, {72, 16, 257, 13}, kValue},
                                         {Label10, {8, 48, 60, 13}},
                                         {lblFileDescription, {72, 48, 257, 13}, kValue},
                                         {Label11, {8, 80, 60, 13}},
                                         {lblLegalCopyright, {72, 80, 257, 13}, kValue},
                                         {grpOtherVersionInformation, {8, 112, 313, 193}},
                                         {Label12, {16, 24, 100, 13}},
                                         {Label13, {152, 24, 100, 13}},
                                         {lbxNames, {16, 40, 121, 137}},
                                         {memValues, {152, 40, 145, 137}},
                                         {btnOK, {288, 376, 65, 25}, akRight | akBottom},
                                         {pnlError, {8, 120, 345, 73}, akLeft | akRight}}));
  for (TWinControl* hidden : std::initializer_list<TWinControl*>{&lblCompressedSizeCaption, &lblCompressedSize,
                                                                  &chkCompressed, &pnlError})
    hidden->SetVisible(false);
  tabVersion.SetTabVisible(false);
  ShowHintOf(lblLocation);
  ActiveControl = &btnOK;
  OnShow = Bind(this, &TfrmFileProperties::FormShow);
  OnHide = Bind(this, &TfrmFileProperties::FormHide);
}

TfrmFileProperties::~TfrmFileProperties() { DestroyHandle(); }

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
  tabVersion.SetTabVisible(false);
  PageControl1.SetActivePage(tabGeneral);
  lbxNames.Clear();
  memValues.SetText("");

  WIN32_FIND_DATAW found{};
  const FindHandle search(FindFirstFileExW(ExtendedLengthPath(Utf8ToWide(FileName)).c_str(), FindExInfoStandard,
                                           &found, FindExSearchNameMatch, nullptr, 0));
  if (!search) {
    PageControl1.SetVisible(false);
    SetCaption("Error - can't find this file");
    pnlError.SetCaption(FileName);
    pnlError.SetVisible(true);
    return;
  }
  PageControl1.SetVisible(true);
  pnlError.SetVisible(false);
  placeholder_ = (found.dwFileAttributes & kPlaceholderAttributes) != 0;

  if (!placeholder_) ShowVersionPage();
  ShowIconAndType(found.dwFileAttributes);
  lblLocation.SetCaption(ExtractFilePath(FileName));
  lblLocation.Hint = ExtractFilePath(FileName);

  const std::string name = WideToUtf8(found.cFileName);
  lblName.SetCaption(name);
  lblDOSName.SetCaption(found.cAlternateFileName[0] ? WideToUtf8(found.cAlternateFileName) : name);
  SetCaption(name + " properties");
  lblSize.SetCaption(FileSizeText(static_cast<uint64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow, locale_));
  lblModified.SetCaption(FormatFileTime(FileTimeValue(found.ftLastWriteTime), locale_));
  lblCreated.SetCaption(FormatFileTime(FileTimeValue(found.ftCreationTime), locale_));
  lblAccessed.SetCaption(FormatFileDate(FileTimeValue(found.ftLastAccessTime), locale_));

  // Recorded before each box is set: setting a box runs its handler, which holds it
  // to the record.
  const DWORD attributes = found.dwFileAttributes;
  AttrHidden = attributes & FILE_ATTRIBUTE_HIDDEN;
  chkHidden.SetChecked(AttrHidden);
  AttrSystem = attributes & FILE_ATTRIBUTE_SYSTEM;
  chkSystem.SetChecked(AttrSystem);
  AttrReadOnly = attributes & FILE_ATTRIBUTE_READONLY;
  chkReadOnly.SetChecked(AttrReadOnly);
  AttrArchive = attributes & FILE_ATTRIBUTE_ARCHIVE;
  chkArchive.SetChecked(AttrArchive);
  AttrCompressed = attributes & FILE_ATTRIBUTE_COMPRESSED;
  chkCompressed.SetChecked(AttrCompressed);
  chkCompressed.SetVisible(AttrCompressed);
  lblCompressedSize.SetVisible(false);
  lblCompressedSizeCaption.SetVisible(false);
  if (!AttrCompressed) return;
  DWORD high = 0;
  SetLastError(NO_ERROR);
  const DWORD low = GetCompressedFileSizeW(ExtendedLengthPath(Utf8ToWide(FileName)).c_str(), &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return;
  lblCompressedSize.SetCaption(CompressedSizeText(static_cast<uint64_t>(high) << 32 | low, locale_));
  lblCompressedSize.SetVisible(true);
  lblCompressedSizeCaption.SetVisible(true);
}

void TfrmFileProperties::ShowVersionPage() {
  const std::wstring name = ExtendedLengthPath(Utf8ToWide(FileName));
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(name.c_str(), &ignored);
  if (size == 0) return;
  tabVersion.SetTabVisible(true);  // even when what follows fails
  std::vector<uint8_t> data(size);
  if (!GetFileVersionInfoW(name.c_str(), 0, size, data.data())) return;
  const std::optional<VersionPageTexts> texts = ReadVersionPageTexts(VersionBlock(data));
  if (!texts) return;
  for (const VersionItem& item : texts->Labels)
    if (TLabel* label = VersionLabel("lbl" + item.Key)) label->SetCaption(item.Value);
  for (const VersionItem& item : texts->Others) {
    lbxNames.AddItem(item.Key, nullptr);
    ItemValues.push_back(item.Value);
  }
}

void TfrmFileProperties::ShowIconAndType(uint32_t attributes) {
  // For a placeholder the shell goes by the name and attributes alone.
  SHFILEINFOW info{};
  const UINT flags = SHGFI_ICON | SHGFI_TYPENAME | (placeholder_ ? SHGFI_USEFILEATTRIBUTES : 0);
  std::string type;
  if (SHGetFileInfoW(Utf8ToWide(FileName).c_str(), placeholder_ ? attributes : 0, &info, sizeof info, flags)) {
    if (info.hIcon) Image1.SetIcon(::Icon(info.hIcon));
    type = WideToUtf8(info.szTypeName);
  }
  lblType.SetCaption(FileTypeText(type, FileName));
}

void TfrmFileProperties::FormHide(TComponent&) { ItemValues.clear(); }

void TfrmFileProperties::lbxNamesClick(TComponent&) {
  const int index = lbxNames.ItemIndex();
  if (index >= 0 && index < static_cast<int>(ItemValues.size())) memValues.SetText(ItemValues[index]);
}

void TfrmFileProperties::AttributeClick(TComponent& sender) {
  // The dialog only shows attributes: a click is undone.
  const std::array<std::pair<TCheckBox*, bool>, 5> boxes{{{&chkReadOnly, AttrReadOnly},
                                                          {&chkArchive, AttrArchive},
                                                          {&chkHidden, AttrHidden},
                                                          {&chkSystem, AttrSystem},
                                                          {&chkCompressed, AttrCompressed}}};
  for (const auto& [box, recorded] : boxes)
    if (box == &sender) box->SetChecked(recorded);
}
