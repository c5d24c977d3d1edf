#include <gtest/gtest.h>

#include "MemoryRegistry.h"
#include "gui/Placement.h"
#include "settings/RegistryVariables.h"

namespace {

constexpr const char* kKey = "\\Software\\Quillfen\\Velmora";

// A window that reports and records placements, on one 1280 x 1024 monitor.
class WindowDouble : public PlacedWindow {
 public:
  TPlacement Current{wsNormal, 193, 124, 550, 410};
  std::vector<TPlacement> Applied;
  TPlacement Placement() const override { return Current; }
  void ApplyPlacement(const TPlacement& placement) override { Applied.push_back(placement); }
  std::vector<TScreenArea> MonitorWorkAreas() const override { return {{0, 0, 1280, 1024}}; }
  int MinimumWidth() const override { return 550; }
  int MinimumHeight() const override { return 410; }
};

bool operator==(const TPlacement& a, const TPlacement& b) {
  return a.State == b.State && a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

TEST(PlacementKeyPath, IsNamedAfterTheExecutable) {
  EXPECT_EQ(PlacementKeyPath("C:\\Program Files\\Velmora\\Velmora.exe"), kKey);
  EXPECT_EQ(PlacementKeyPath("Z:\\tmp\\Velmora.v2.exe"), "\\Software\\Quillfen\\Velmora.v2");
}

TEST(RegistryInteger, ReadsWhenMadeAndWritesWhenSaved) {
  MemoryRegistry registry;
  TRegistryInteger absent(registry, kKey, "FormLeft", 7);
  EXPECT_EQ(absent.Value, 7);
  EXPECT_FALSE(registry.HasKey(TRootKey::CurrentUser, kKey));  // reading makes no key
  absent.Save();
  EXPECT_EQ(registry.Value(TRootKey::CurrentUser, kKey, "FormLeft")->Integer, 7);
  registry.Set(TRootKey::CurrentUser, kKey, "FormTop", {RegistryValue::Kind::Text, 0, "12"});
  TRegistryInteger text(registry, kKey, "FormTop", 124);
  EXPECT_EQ(text.Value, 124);  // not an integer: the default
  text.Value = 99;
  text.Save();
  const RegistryValue* written = registry.Value(TRootKey::CurrentUser, kKey, "FormTop");
  EXPECT_EQ(written->Type, RegistryValue::Kind::Integer);
  EXPECT_EQ(written->Integer, 99);
}

TEST(RegistryFormInfo, RestoresWhatWasStoredAndStoresWhatIsThere) {
  MemoryRegistry registry;
  WindowDouble window;
  TRegistryFormInfo info(window, registry, kKey);
  info.RestorePlacement();  // nothing stored: the design placement
  window.Current = {wsMaximized, 10, 20, 800, 600};
  EXPECT_TRUE(registry.Writes.empty());
  info.SavePlacement();
  ASSERT_EQ(window.Applied.size(), 1u);
  EXPECT_TRUE(window.Applied[0] == (TPlacement{wsNormal, 193, 124, 550, 410}));
  const std::string key = "software\\quillfen\\velmora|";
  EXPECT_EQ(registry.Writes, (std::vector<std::string>{key + "FormState", key + "FormLeft", key + "FormTop",
                                                       key + "FormWidth", key + "FormHeight"}));
  window.Current = {};
  TRegistryFormInfo again(window, registry, kKey);
  again.RestorePlacement();
  EXPECT_TRUE(window.Applied[1] == (TPlacement{wsMaximized, 10, 20, 800, 600}));
}

TEST(UsablePlacement, BringsLostWindowsBackAndUpToTheMinimum) {
  const std::vector<TScreenArea> two{{0, 0, 1280, 1024}, {1280, 0, 2560, 1024}};
  // Partly visible: left alone.
  EXPECT_TRUE(UsablePlacement({0, -500, -300, 550, 410}, two, 550, 410) == (TPlacement{0, -500, -300, 550, 410}));
  // Entirely off to the right: onto the second monitor, at its right edge.
  EXPECT_TRUE(UsablePlacement({0, 5000, 100, 600, 400}, two, 550, 410) == (TPlacement{0, 1960, 100, 600, 410}));
  // Far above the first: down to its top.
  EXPECT_TRUE(UsablePlacement({2, 100, -3000, 550, 410}, two, 550, 410) == (TPlacement{2, 100, 0, 550, 410}));
  // Too small and shrunk to nothing.
  EXPECT_TRUE(UsablePlacement({0, 10, 10, 0, -5}, two, 550, 410) == (TPlacement{0, 10, 10, 550, 410}));
  // Larger than the monitor: its top left corner.
  EXPECT_TRUE(UsablePlacement({0, -9000, 0, 3000, 2000}, two, 550, 410) == (TPlacement{0, 0, 0, 3000, 2000}));
  // No monitor known: as stored; a state above maximised is normal.
  EXPECT_TRUE(UsablePlacement({258, 5000, 5000, 600, 500}, {}, 550, 410) == (TPlacement{2, 5000, 5000, 600, 500}));
  EXPECT_TRUE(UsablePlacement({7, 10, 10, 600, 500}, two, 550, 410) == (TPlacement{0, 10, 10, 600, 500}));
}

}  // namespace
