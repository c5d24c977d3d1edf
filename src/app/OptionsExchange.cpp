#include "app/OptionsExchange.h"

namespace {

void TakeDisplay(TSettings& held, const TSettings& chosen, OptionsTarget& target) {
  held.DisplayCompressed = chosen.DisplayCompressed;
  held.DisplayMode = chosen.DisplayMode;
  held.DisplayUnits = chosen.DisplayUnits;
  target.SelectDisplay(held.DisplayUnits, held.DisplayMode);
}

}  // namespace

void ApplyOptions(TSettings& held, const TSettings& chosen, OptionsTarget& target) {
  held.RepeatedScan = chosen.RepeatedScan;
  held.RepeatInterval = chosen.RepeatInterval;
  target.SetRepeatTimer(held.RepeatedScan, held.RepeatInterval);

  if (chosen.RightClickFolder != held.RightClickFolder) {
    held.RightClickFolder = chosen.RightClickFolder;
    target.UpdateFolderMenu(held.RightClickFolder);
  }

  // The scan may set the compression choice itself (a whole drive with its free
  // space), so what it leaves must not count as a change asking for a second scan.
  bool rescanned = false;
  if (chosen.DisplayFreeDiskSpace != held.DisplayFreeDiskSpace) {
    held.DisplayFreeDiskSpace = chosen.DisplayFreeDiskSpace;
    TakeDisplay(held, chosen, target);
    target.RunScan();
    rescanned = true;
  }

  if (chosen.ListboxFont != held.ListboxFont) {
    held.ListboxFont = chosen.ListboxFont;
    target.SetListFont(held.ListboxFont);
  }
  if (chosen.PieChartFont != held.PieChartFont) {
    held.PieChartFont = chosen.PieChartFont;
    target.SetPieFont(held.PieChartFont);
  }
  if (chosen.PieChartColours != held.PieChartColours) {
    held.PieChartColours = chosen.PieChartColours;
    target.SetPieColours(held.PieChartColours);
  }

  if (rescanned) return;
  if (chosen.DisplayCompressed != held.DisplayCompressed) {
    TakeDisplay(held, chosen, target);
    target.RunScan();
  } else if (chosen.DisplayMode != held.DisplayMode || chosen.DisplayUnits != held.DisplayUnits) {
    TakeDisplay(held, chosen, target);
    target.ShowCurrentLevel();
  }
}
