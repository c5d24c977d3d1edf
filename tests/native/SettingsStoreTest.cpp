#include <gtest/gtest.h>

#include <tuple>

#include "MemoryRegistry.h"
#include "settings/FolderMenu.h"
#include "settings/SettingsStore.h"

namespace {

using Kind = RegistryValue::Kind;

RegistryValue Integer(int32_t value) { return {Kind::Integer, value, {}}; }
RegistryValue Text(std::string value) { return {Kind::Text, 0, std::move(value)}; }

TSettings Defaults() {
  TSettings defaults;
  defaults.DisplayCompressed = 1;
  defaults.PieChartColours = "$00E0E0FF,$00E0FFFF";
  return defaults;
}

class SettingsStore : public ::testing::Test {
 protected:
  void Store(std::string_view name, RegistryValue value) {
    registry.Set(TRootKey::CurrentUser, kSettingsKey, name, std::move(value));
  }
  const RegistryValue* Stored(std::string_view name) const {
    return registry.Value(TRootKey::CurrentUser, kSettingsKey, name);
  }
  MemoryRegistry registry;
};

TEST_F(SettingsStore, AFirstStartGetsTheDefaultsAndWritesNothing) {
  TSettings defaults = Defaults();
  defaults.PieChartFont.Underline = true;
  EXPECT_EQ(LoadSettings(registry, defaults), defaults);
  EXPECT_TRUE(registry.Writes.empty());
  EXPECT_FALSE(registry.HasKey(TRootKey::CurrentUser, kSettingsKey));
}

// Codes keep the low byte of what was stored; values of the wrong kind give their defaults.
TEST_F(SettingsStore, CodesKeepTheirLowByteAndWrongKindsTheirDefaults) {
  Store("Display mode", Integer(258));
  Store("Display compressed", Integer(-1));
  Store("RepeatInterval", Integer(-30));  // the timer copes with it
  Store("Display units", Text("MB"));
  Store("PieChartColours", Integer(5));
  Store("RepeatedScan", {Kind::Other, 0, {}});
  Store("RightClickFolder", Integer(0));
  const TSettings settings = LoadSettings(registry, Defaults());
  EXPECT_EQ(std::tuple(settings.DisplayMode, settings.DisplayCompressed, settings.DisplayUnits), std::tuple(2, 255, 1));
  EXPECT_EQ(settings.RepeatInterval, -30);
  EXPECT_EQ(settings.PieChartColours, Defaults().PieChartColours);
  EXPECT_FALSE(settings.RepeatedScan || settings.RightClickFolder);
  Store("Display mode", Text("0"));  // an integer written as text still reads
  EXPECT_EQ(LoadSettings(registry, Defaults()).DisplayMode, 0);
}

// Fonts come back with their five stored members; the rest stay as the current font has them.
TEST_F(SettingsStore, SavingWritesEveryValueInOrderAndOfItsKind) {
  TSettings settings = Defaults();
  settings.DisplayUnits = 200;
  settings.RepeatedScan = true;
  settings.ListboxFont = {"Arial", 12, 0x0000FF, true, true, false};
  SaveSettings(registry, settings);
  const std::string key = "software\\quillfen\\velmora|";
  std::vector<std::string> expected;
  for (const char* font : {"PieChartFont", "ListboxFont"})
    for (const char* member : {".Name", ".Size", ".Color", ".Bold", ".Italic"})
      expected.push_back(key + font + member);
  for (const char* name : {"Display compressed", "Display mode", "Display units", "PieChartColours",
                           "RightClickFolder", "DisplayFreeDiskSpace", "RepeatedScan", "RepeatInterval",
                           "ReadFileTable"})
    expected.push_back(key + name);
  EXPECT_EQ(registry.Writes, expected);
  EXPECT_EQ(Stored("Display units")->Integer, 200);
  EXPECT_TRUE(Stored("RepeatedScan")->Type == Kind::Integer && Stored("RepeatedScan")->Integer == 1);
  EXPECT_EQ(Stored("PieChartColours")->Text, "$00E0E0FF,$00E0FFFF");
  EXPECT_EQ(LoadSettings(registry, TSettings{}), settings);
  TSettings current;
  current.ListboxFont.StrikeOut = true;
  EXPECT_TRUE(LoadSettings(registry, current).ListboxFont.StrikeOut);
}

class FolderMenu : public ::testing::Test {
 protected:
  FolderMenu() {
    registry.OpenKey(TRootKey::ClassesRoot, "\\Directory\\shell", TKeyOpening::OrCreate);
    registry.OpenKey(TRootKey::ClassesRoot, "\\Drive\\shell", TKeyOpening::OrCreate);
  }
  const RegistryValue* Default(std::string_view key) const { return registry.Value(TRootKey::ClassesRoot, key, ""); }
  MemoryRegistry registry;
};

TEST_F(FolderMenu, EnablingWritesTheVerbOfFoldersAndDrivesDisablingRemovesIt) {
  UpdateFolderMenu(registry, "C:\\Program Files\\Velmora\\Velmora.exe", true);
  for (const char* shell : {"\\Directory\\shell", "\\Drive\\shell"}) {
    const std::string verb = std::string(shell) + "\\UsagePieChart";
    ASSERT_NE(Default(verb), nullptr) << verb;
    EXPECT_EQ(Default(verb)->Text, "&Usage Pie Chart");
    ASSERT_NE(Default(verb + "\\command"), nullptr);
    EXPECT_EQ(Default(verb + "\\command")->Text, "\"C:\\Program Files\\Velmora\\Velmora.exe\" \"%1\"");
  }
  // Disabling removes only the verb, and again nothing.
  UpdateFolderMenu(registry, "C:\\V.exe", false);
  EXPECT_FALSE(registry.HasKey(TRootKey::ClassesRoot, "\\Directory\\shell\\UsagePieChart"));
  EXPECT_FALSE(registry.HasKey(TRootKey::ClassesRoot, "\\Drive\\shell\\UsagePieChart\\command"));
  EXPECT_TRUE(registry.HasKey(TRootKey::ClassesRoot, "\\Directory\\shell"));
  UpdateFolderMenu(registry, "C:\\V.exe", false);  // nothing to remove: nothing happens
  EXPECT_TRUE(registry.HasKey(TRootKey::ClassesRoot, "\\Drive\\shell"));
}

TEST_F(FolderMenu, TheOldVerbOfTheFolderClassGoesEitherWay) {
  for (const bool enable : {true, false}) {
    registry.Set(TRootKey::ClassesRoot, "\\Folder\\shell\\Usage Pie Chart\\command", "", Text("old"));
    UpdateFolderMenu(registry, "C:\\V.exe", enable);
    EXPECT_FALSE(registry.HasKey(TRootKey::ClassesRoot, "\\Folder\\shell\\Usage Pie Chart")) << enable;
    registry.Set(TRootKey::ClassesRoot, "\\Folder\\shell\\Usage Pie Chart", "", Text("old, no command"));
    UpdateFolderMenu(registry, "C:\\V.exe", enable);
    EXPECT_FALSE(registry.HasKey(TRootKey::ClassesRoot, "\\Folder\\shell\\Usage Pie Chart")) << enable;
  }
}

TEST(FolderMenuWithoutRights, SkipsWhatItCannotOpen) {
  MemoryRegistry registry;
  UpdateFolderMenu(registry, "C:\\V.exe", true);  // no shell keys: nothing is made
  EXPECT_FALSE(registry.HasKey(TRootKey::ClassesRoot, "\\Directory\\shell\\UsagePieChart"));
  registry.OpenKey(TRootKey::ClassesRoot, "\\Directory\\shell", TKeyOpening::OrCreate);
  registry.ReadOnlyRoots.insert(TRootKey::ClassesRoot);
  UpdateFolderMenu(registry, "C:\\V.exe", true);
  EXPECT_FALSE(registry.HasKey(TRootKey::ClassesRoot, "\\Directory\\shell\\UsagePieChart"));
  EXPECT_TRUE(registry.Writes.empty());
}

}  // namespace
