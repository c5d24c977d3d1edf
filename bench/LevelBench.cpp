// Times the main window showing one level of 100,000 entries: lines built, chart
// loaded and sorted, list filled, window painted.
#include <chrono>
#include <cstdio>

#include "app/FormMain.h"
#include "gui/Application.h"
#include "win32/Win32Registry.h"
#include "win32/Win32ScanPlatform.h"
#include "win32/Win32VolumeApi.h"

int main() {
  constexpr int kEntries = 100000;
  Win32ScanPlatform scanPlatform([] { Application().ProcessMessages(); });
  Win32VolumeApi volumeApi;
  Win32Registry registry;
  TMainForm form(scanPlatform, volumeApi, registry, std::nullopt);
  form.Timer1.SetEnabled(false);
  form.Show();
  Application().ProcessMessages();

  form.RootLevel.Reset("C:\\Big\\");
  uint32_t seed = 1;
  for (int i = 0; i < kEntries; ++i) {
    seed = seed * 1103515245 + 12345;
    const double size = (seed >> 8) % 1000000 / static_cast<double>(1 + i % 997);
    char name[32];
    std::snprintf(name, sizeof name, "File-%06d.dat", i);
    form.RootLevel.AddFile(name, size, (static_cast<int64_t>(size) + 4095) / 4096 * 4096.0);
  }

  const auto start = std::chrono::steady_clock::now();
  form.ShowLevel(&form.RootLevel);
  UpdateWindow(form.Handle());
  const double showMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (form.ListBox1.Count() != kEntries) {
    std::fprintf(stderr, "the list holds %d lines\n", form.ListBox1.Count());
    return 1;
  }
  std::printf("level-bench entries=%d show_ms=%.1f\n", kEntries, showMs);
  return 0;
}
