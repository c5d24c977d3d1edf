// Times the main window showing one level of 100,000 entries, as a double-click on its
// folder does, up to the painted window: lines built, chart loaded and sorted, list
// shown, window painted. Then two parts of it alone: the level's lines made, and loaded into a chart
// and its list. Each is run several times; the median and the spread are printed.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "SampleFiles.h"
#include "app/UsageView.h"
#include "app/win32/FormMain.h"
#include "app/win32/Win32Platform.h"
#include "chart/PieChart.h"
#include "gui/win32/controls/ListBox.h"
#include "gui/win32/framework/Application.h"

namespace {

constexpr int kEntries = 100000;
constexpr int kRuns = 9;

template <typename Work>
std::vector<double> TimeRuns(Work work) {
  std::vector<double> ms;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  return ms;
}

void Print(const char* what, const std::vector<double>& ms) {
  std::printf(" %s_ms=%.1f (%.1f-%.1f)", what, ms[ms.size() / 2], ms.front(), ms.back());
}

}  // namespace

int main() {
  TWin32Platform platform([] { Application().ProcessMessages(); });
  TFinalForm<TMainForm> form(platform, std::nullopt);
  // Shown but given no chance to run its start-up scan: no messages are pumped.
  form.Show();

  TFolderList& root = form.RootLevel();
  root.Reset("C:\\Big\\");
  for (const SampleFile& file : SampleFiles(kEntries)) {
    const double size = std::floor(file.Size);  // whole bytes, as a scan finds them
    root.AddFile(file.Name, size, RoundUpToClusters(4096, size));
  }

  const std::vector<double> show = TimeRuns([&] {
    form.ShowLevel(&root);
    UpdateWindow(form.Handle());
  });
  const auto lines = SendMessageW(FindWindowExW(form.Handle(), nullptr, L"ListBox", nullptr), LB_GETCOUNT, 0, 0);
  if (lines != kEntries) {
    std::fprintf(stderr, "the list holds %ld lines\n", static_cast<long>(lines));
    return 1;
  }

  TFinalForm<TForm> chartForm(TFormOptions{.ClientSize = {550, 350}});
  TListBox list(chartForm, {}, {.Bounds = {320, 5, 209, 300}});
  TPieChart chart(chartForm, {.ListBox = &list}, {.Bounds = {5, 5, 297, 297}});
  std::vector<std::vector<TPieLine>> levelLines(kRuns);
  int run = 0;
  const std::vector<double> make = TimeRuns([&] { levelLines[run++] = UsageLines(root, kUnitsKB, kModeNominal); });
  run = 0;
  const std::vector<double> load = TimeRuns([&] { chart.LoadFromList(std::move(levelLines[run++])); });

  std::printf("level-bench entries=%d runs=%d median (min-max):", kEntries, kRuns);
  Print("show", show);
  Print("lines", make);
  Print("chart_load", load);
  std::printf("\n");
  return 0;
}
