#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/OptionsExchange.h"
#include "settings/OptionsRules.h"

namespace {

// The main window's side, writing down what it is asked to do. A scan of a whole
// drive with its free space sets the compressed measure, as the real one does.
class RecordingWindow : public OptionsTarget {
 public:
  explicit RecordingWindow(TSettings& held) : held_(held) {}
  void SetRepeatTimer(bool enabled, int32_t minutes) override {
    Calls.push_back("timer " + std::to_string(enabled) + " " + std::to_string(minutes));
  }
  void UpdateFolderMenu(bool enable) override { Calls.push_back("verb " + std::to_string(enable)); }
  void SelectDisplay(uint8_t units, uint8_t mode) override {
    Calls.push_back("select " + std::to_string(units) + " " + std::to_string(mode));
  }
  void RunScan() override {
    Calls.push_back("scan units " + std::to_string(held_.DisplayUnits));
    if (ScansWholeDrive && held_.DisplayFreeDiskSpace && held_.DisplayCompressed != 0) held_.DisplayCompressed = 1;
  }
  void ShowCurrentLevel() override { Calls.push_back("show"); }
  void SetListFont(const TFont& font) override { Calls.push_back("list font " + font.Name); }
  void SetPieFont(const TFont& font) override { Calls.push_back("pie font " + font.Name); }
  void SetPieColours(const std::string& colours) override { Calls.push_back("colours " + colours); }

  std::vector<std::string> Calls;
  bool ScansWholeDrive = false;

 private:
  TSettings& held_;
};

class OptionsExchange : public ::testing::Test {
 protected:
  OptionsExchange() {
    held.DisplayCompressed = 2;
    chosen = held;
  }
  std::vector<std::string> Apply() {
    ApplyOptions(held, chosen, window);
    return window.Calls;
  }
  TSettings held;
  TSettings chosen;
  RecordingWindow window{held};
};

using Calls = std::vector<std::string>;

TEST_F(OptionsExchange, FreeSpaceOrCompressionWithUnitsRescansOnceInTheNewUnits) {
  for (const bool freeSpace : {false, true}) {  // free space turned off, or kept on and compression changed
    held = TSettings{.DisplayCompressed = 2};
    chosen = held;
    window.Calls.clear();
    chosen.DisplayFreeDiskSpace = freeSpace;
    chosen.DisplayUnits = freeSpace ? 2 : 0;
    chosen.DisplayCompressed = 1;
    EXPECT_EQ(Apply(), (Calls{"timer 0 10", "select " + std::to_string(chosen.DisplayUnits) + " 1",
                              "scan units " + std::to_string(chosen.DisplayUnits)}));
    EXPECT_EQ(held, chosen);
  }
}

TEST_F(OptionsExchange, AScanThatTurnsOnCompressionAsksForNoSecondOne) {
  held.DisplayFreeDiskSpace = false;
  chosen.DisplayFreeDiskSpace = true;
  window.ScansWholeDrive = true;
  EXPECT_EQ(Apply(), (Calls{"timer 0 10", "select 1 1", "scan units 1"}));
  EXPECT_EQ(held.DisplayCompressed, 1);
}

TEST_F(OptionsExchange, VerbFontsAndColoursChangeOnlyWhatChangedInOrder) {
  EXPECT_EQ(Apply(), (Calls{"timer 0 10"}));  // nothing changed: the timer alone, reapplied
  window.Calls.clear();
  chosen.RightClickFolder = false;
  chosen.RepeatedScan = true;
  chosen.RepeatInterval = 5;
  chosen.ListboxFont.Name = "Arial";
  chosen.PieChartColours = "$000000FF";
  EXPECT_EQ(Apply(), (Calls{"timer 1 5", "verb 0", "list font Arial", "colours $000000FF"}));
  EXPECT_EQ(held, chosen);
}

TEST(OptionsRules, ShowSelectsKnownCodesAndOkTakesTheChoicesWithFreeSpaceForcingAllocated) {
  EXPECT_EQ(std::tuple(MeasureChoice(2), MeasureChoice(3), UnitsChoice(4), UnitsChoice(5)),
            std::tuple(2, std::nullopt, 4, std::nullopt));
  TSettings settings;
  settings.DisplayCompressed = 1;
  settings.DisplayFreeDiskSpace = false;
  const auto confirmed = [&](const TOptionsChoices& choices) {
    ConfirmChoices(settings, choices);
    return std::tuple(settings.DisplayMode, settings.DisplayUnits, settings.DisplayCompressed);
  };
  EXPECT_EQ(confirmed({.Measure = 2, .Units = 4, .Compressed = false}), std::tuple(2, 4, 2));
  EXPECT_EQ(confirmed({}), std::tuple(0, 0, 2));  // nothing selected: nominal bytes
  settings.DisplayFreeDiskSpace = true;
  settings.DisplayCompressed = 0;  // not offered: stays
  EXPECT_EQ(confirmed({.Measure = 2, .Units = 1, .Compressed = true}), std::tuple(1, 1, 0));
}

}  // namespace
