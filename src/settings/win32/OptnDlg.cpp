#include "settings/win32/OptnDlg.h"

#include "settings/OptionsRules.h"

TOptionsDialog::TOptionsDialog(const TForm& owner)
    : TForm({.Caption = "Velmora Options", .Border = TBorderStyle::Dialog, .MinimizeBox = false,
             .MaximizeBox = false, .Position = TFormPosition::ScreenCenter, .ClientSize = {410, 270},
             .Owner = &owner}) {
  ActiveControl = &Button1;
  OnShow = Bind(this, &TOptionsDialog::FormShow);
}

void TOptionsDialog::FormShow(TComponent&) {
  for (TRadioButton* button : MeasureButtons()) button->SetChecked(false);
  if (const std::optional<int> measure = MeasureChoice(Settings.DisplayMode)) MeasureButtons()[*measure]->SetChecked(true);
  if (const std::optional<int> units = UnitsChoice(Settings.DisplayUnits)) RadioGroupUnits.SetItemIndex(*units);
  if (Settings.DisplayCompressed == 0) {
    btnUncompressed.SetChecked(true);
    btnUncompressed.SetEnabled(false);
    btnCompressed.SetEnabled(false);
  } else {
    (Settings.DisplayCompressed == 1 ? btnCompressed : btnUncompressed).SetChecked(true);
  }

  ListBox1.SetFont(Settings.ListboxFont);
  PieChart1.Font = Settings.PieChartFont;
  PieChart1.SetColours(Settings.PieChartColours);
  PieChart1.LoadFromList(PreviewLines(PieChart1.NumColours()));

  // Setting a box runs its click handler, which copies it back: the same value.
  const TSettings shown = Settings;
  chkRightClick.SetChecked(shown.RightClickFolder);
  chkShowFreeDisk.SetChecked(shown.DisplayFreeDiskSpace);
  CheckBoxRepeatedScan.SetChecked(shown.RepeatedScan);
  SpinEditScanInterval.SetValue(shown.RepeatInterval);
  // A value out of range shows as the bound, and unchanged text fires no change: what
  // OK takes is what is shown, also when the dialog is shown again after a Cancel.
  Settings.RepeatInterval = SpinEditScanInterval.Value();
}

void TOptionsDialog::chkRightClickClick(TComponent&) { Settings.RightClickFolder = chkRightClick.Checked(); }
void TOptionsDialog::chkShowFreeDiskClick(TComponent&) { Settings.DisplayFreeDiskSpace = chkShowFreeDisk.Checked(); }
void TOptionsDialog::CheckBoxRepeatedScanClick(TComponent&) { Settings.RepeatedScan = CheckBoxRepeatedScan.Checked(); }
void TOptionsDialog::SpinEditScanIntervalChange(TComponent&) { Settings.RepeatInterval = SpinEditScanInterval.Value(); }

void TOptionsDialog::btnPieFontClick(TComponent&) {
  FontDialog1.Font = PieChart1.Font;
  if (FontDialog1.Execute(Handle())) {
    PieChart1.Font = FontDialog1.Font;
    PieChart1.Invalidate();
  }
  Settings.PieChartFont = PieChart1.Font;
  Button1.SetFocus();
}

void TOptionsDialog::btnListBoxFontClick(TComponent&) {
  FontDialog1.Font = ListBox1.Font();
  if (FontDialog1.Execute(Handle())) ListBox1.SetFont(FontDialog1.Font);
  Settings.ListboxFont = ListBox1.Font();
  Button1.SetFocus();
}

void TOptionsDialog::PieChart1DblClick(TComponent&) {
  const int index = PreviewColourIndex(PieChart1.SelectedObject());
  if (index < 0 || index >= TMultiColourControl::kMaxColours) return;
  ColorDialog1.Color = PieChart1.ColourTable[index];
  if (!ColorDialog1.Execute(Handle())) return;
  PieChart1.ColourTable[index] = ColorDialog1.Color;
  Settings.PieChartColours = PieChart1.Colours();
  PieChart1.Invalidate();
}

void TOptionsDialog::btnRevertClick(TComponent&) {
  PieChart1.SetColours(kDesignPalette);
  PieChart1.Invalidate();
  Settings.PieChartColours = PieChart1.Colours();
}

void TOptionsDialog::Button1Click(TComponent&) {
  TOptionsChoices choices;
  const std::array<TRadioButton*, 3> measures = MeasureButtons();
  for (size_t measure = 0; measure < measures.size(); ++measure)
    if (measures[measure]->Checked()) choices.Measure = static_cast<int>(measure);
  if (const int units = RadioGroupUnits.ItemIndex(); units >= 0) choices.Units = units;
  choices.Compressed = btnCompressed.Checked();
  ConfirmChoices(Settings, choices);
}
