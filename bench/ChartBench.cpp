// Times loading 100,000 lines into the pie chart (each line's number read from its
// text, as callers without the values at hand give them; sort; list shown) and
// painting it, in a real window.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "chart/PieChart.h"
#include "gui/win32/framework/Application.h"
#include "gui/win32/framework/Form.h"
#include "gui/win32/controls/ListBox.h"
#include "SampleFiles.h"
#include "support/Numbers.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  constexpr int kEntries = 100000;
  TFinalForm<TForm> form(TFormOptions{.ClientSize = {550, 350}});
  TListBox list(form, {}, {.Bounds = {320, 5, 209, 300}});
  TPieChart chart(form, {.ListBox = &list}, {.Bounds = {5, 5, 297, 297}});
  form.Show();
  Application().ProcessMessages();

  // Lines as the level of a big folder shows them in KB.
  std::vector<TPieLine> lines;
  std::vector<int> objects(kEntries);
  for (const SampleFile& file : SampleFiles(kEntries))
    lines.push_back({Str(file.Size / 1024, 3, 1) + "   " + file.Name, &objects[lines.size()]});

  auto start = std::chrono::steady_clock::now();
  chart.LoadFromList(lines);
  const double loadMs = MillisecondsSince(start);
  start = std::chrono::steady_clock::now();
  UpdateWindow(form.Handle());
  const double paintMs = MillisecondsSince(start);

  if (list.Count() != kEntries) {
    std::fprintf(stderr, "the list holds %d lines\n", list.Count());
    return 1;
  }
  std::printf("chart-bench entries=%d load_ms=%.1f paint_ms=%.1f total_ms=%.1f\n", kEntries, loadMs, paintMs,
              loadMs + paintMs);
  return 0;
}
