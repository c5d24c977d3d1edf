// Times the main window showing one level of 100,000 entries: lines built, chart
// loaded and sorted, list filled, window painted.
#include <chrono>
#include <cstdio>

#include "SampleFiles.h"
#include "app/win32/FormMain.h"
#include "app/win32/Win32Platform.h"
#include "gui/win32/framework/Application.h"

int main() {
  constexpr int kEntries = 100000;
  TWin32Platform platform([] { Application().ProcessMessages(); });
  TFinalForm<TMainForm> form(platform, std::nullopt);
  // Shown but given no chance to run its start-up scan: no messages are pumped.
  form.Show();

  TFolderList& root = form.RootLevel();
  root.Reset("C:\\Big\\");
  for (const SampleFile& file : SampleFiles(kEntries))
    root.AddFile(file.Name, file.Size, RoundUpToClusters(4096, file.Size));

  const auto start = std::chrono::steady_clock::now();
  form.ShowLevel(&root);
  UpdateWindow(form.Handle());
  const double showMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const auto lines = SendMessageW(FindWindowExW(form.Handle(), nullptr, L"ListBox", nullptr), LB_GETCOUNT, 0, 0);
  if (lines != kEntries) {
    std::fprintf(stderr, "the list holds %ld lines\n", static_cast<long>(lines));
    return 1;
  }
  std::printf("level-bench entries=%d show_ms=%.1f\n", kEntries, showMs);
  return 0;
}
