#pragma once

#include <optional>
#include <vector>

#include "chart/PieEntries.h"
#include "settings/Settings.h"

// What the options dialog decides without its windows.

// The measure button to select for a measure code: 0 nominal, 1 allocated, 2 slack
// only; none for any other code (all three then show deselected).
std::optional<int> MeasureChoice(uint8_t displayMode);
// The units item to select, 0 to 4; none for any other code (the selection stays).
std::optional<int> UnitsChoice(uint8_t displayUnits);

// What the user chose on the dialog's pages when OK was pressed.
struct TOptionsChoices {
  std::optional<int> Measure;  // the measure button selected, if any
  std::optional<int> Units;    // the units item selected, if any
  bool Compressed = false;     // "Compressed size" selected
};

// The settings after OK: measure and units from the choices (no measure is nominal,
// no or an unknown unit is bytes), the compression choice where it is offered, and
// the allocated measure whenever free space is shown: a free-space segment only makes
// sense against the space the files take.
void ConfirmChoices(TSettings& settings, const TOptionsChoices& choices);

// The sample entries of the preview chart, one per colour: "20   Colour0",
// "19   Colour1", ... with the colour's index attached, so segment i shows colour i.
std::vector<TPieLine> PreviewLines(int colourCount);
// The colour index a preview entry stands for.
int PreviewColourIndex(void* object);
