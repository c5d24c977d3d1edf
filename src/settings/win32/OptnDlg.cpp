#include "settings/win32/OptnDlg.h"

#include "settings/OptionsRules.h"

TOptionsDialog::TOptionsDialog(const TForm& owner)
    : TForm({.Caption = "Velmora Options", .Border = TBorderStyle::Dialog, .MinimizeBox = false,
             .MaximizeBox = false, .Position = TFormPosition::ScreenCenter, .ClientSize = {410, 270},
             .Owner = &owner}) {
  PieChart1.ListBox = &ListBox1;
  PieChart1.OnDblClick = Bind(this, &TOptionsDialog::PieChart1DblClick);
  Panel1.AddGraphic(PieChart1);
  // Positions within each control's page or frame; the buttons lie over the pages.
  // What lies in a frame is its child, so that the frame holds it however wide the
  // font makes its text.
  SetLayout(TLayout({410, 270}, {{PageControl1, {0, 0, 410, 270}},
                                 {RadioGroup1, {16, 8, 241, 105}},
                                 {btnActual, {8, 24, 222, 17}},
                                 {btnAllocated, {8, 48, 222, 17}},
                                 {btnSlack, {8, 72, 222, 17}},
                                 {Label1, {16, 136, 370, 60}},
                                 {RadioGroupUnits, {16, 8, 129, 105}},
                                 {Label2, {16, 136, 370, 60}},
                                 {RadioGroup3, {16, 8, 161, 105}},
                                 {btnCompressed, {8, 32, 142, 17}},
                                 {btnUncompressed, {8, 56, 142, 17}},
                                 {Label3, {16, 136, 370, 60}},
                                 {RadioGroup4, {16, 8, 241, 105}},
                                 {chkRightClick, {8, 40, 222, 17}},
                                 {Label5, {16, 136, 370, 60}},
                                 {RadioGroup5, {16, 8, 241, 105}},
                                 {chkShowFreeDisk, {8, 40, 222, 17}},
                                 {Label8, {264, 16, 127, 65}},
                                 {Label6, {16, 136, 370, 60}},
                                 {GroupBox1, {16, 8, 241, 105}},
                                 {CheckBoxRepeatedScan, {16, 40, 117, 17}},
                                 {SpinEditScanInterval, {136, 40, 49, 22}},
                                 {Label10, {192, 41, 40, 13}},
                                 {Label9, {16, 136, 370, 60}},
                                 {Panel1, {8, 8, 225, 193}},
                                 {PieChart1, {72, 8, 145, 145}},
                                 {Label4, {8, 8, 60, 145}},
                                 {btnPieFont, {72, 160, 65, 25}},
                                 {btnRevert, {152, 160, 65, 25}},
                                 {Panel2, {256, 8, 137, 153}},
                                 {btnListBoxFont, {16, 8, 105, 25}},
                                 {ListBox1, {16, 40, 105, 97}},
                                 {Button1, {256, 224, 62, 25}},
                                 {Button2, {336, 224, 62, 25}}}));
  // Above the page control they lie on; Tab still goes round all controls in one cycle.
  for (const TButton* button : {&Button1, &Button2})
    SetWindowPos(button->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  btnAllocated.SetChecked(true);
  btnUncompressed.SetChecked(true);
  for (TWinControl* control : std::initializer_list<TWinControl*>{&btnPieFont, &btnRevert, &btnListBoxFont})
    ShowHintOf(*control);
  ActiveControl = &Button1;
  OnShow = Bind(this, &TOptionsDialog::FormShow);
}

TOptionsDialog::~TOptionsDialog() { DestroyHandle(); }

void TOptionsDialog::FormShow(TComponent&) {
  for (TRadioButton* button : {&btnAllocated, &btnSlack, &btnActual}) button->SetChecked(false);
  if (const std::optional<int> measure = MeasureChoice(Settings.DisplayMode)) {
    TRadioButton* buttons[] = {&btnActual, &btnAllocated, &btnSlack};
    buttons[*measure]->SetChecked(true);
  }
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
  if (btnAllocated.Checked()) choices.Measure = 1;
  else if (btnSlack.Checked()) choices.Measure = 2;
  else if (btnActual.Checked()) choices.Measure = 0;
  if (const int units = RadioGroupUnits.ItemIndex(); units >= 0) choices.Units = units;
  choices.Compressed = btnCompressed.Checked();
  ConfirmChoices(Settings, choices);
}
