#include "chart/PieEntries.h"

#include <cmath>
#include <utility>

#include "support/Numbers.h"
#include "support/Strings.h"

std::optional<ParsedPieLine> ParsePieLine(std::string_view line) {
  std::string trimmed = Trim(line);
  const std::string_view number = std::string_view(trimmed).substr(0, trimmed.find(' '));
  const std::optional<double> value = Val(number);
  if (!value) return std::nullopt;
  return ParsedPieLine{std::move(trimmed), std::fabs(*value)};
}

std::string PieLineName(std::string_view trimmedLine) {
  const size_t blank = trimmedLine.find(' ');
  if (blank == std::string_view::npos) return {};
  return Trim(trimmedLine.substr(blank));
}

bool IsGhostLine(std::string_view trimmedLine) { return !trimmedLine.empty() && trimmedLine.front() == '-'; }

void TStringListWithDouble::SortByValue() {
  if (entries_.size() < 2) return;
  // Hoare's quicksort with the middle value as pivot. Ranges are kept on a stack of
  // our own, the smaller one taken first, so no input can exhaust the thread's stack;
  // the ranges are disjoint, so the order they are sorted in changes nothing.
  std::vector<std::pair<int, int>> ranges{{0, Count() - 1}};
  while (!ranges.empty()) {
    const auto [left, right] = ranges.back();
    ranges.pop_back();
    const double pivot = entries_[(left + right) / 2].Item.Value;
    int i = left;
    int j = right;
    do {
      while (entries_[i].Item.Value > pivot) ++i;
      while (entries_[j].Item.Value < pivot) --j;
      if (i <= j) {
        std::swap(entries_[i], entries_[j]);
        ++i;
        --j;
      }
    } while (i <= j);
    std::pair<int, int> larger{left, j};
    std::pair<int, int> smaller{i, right};
    if (j - left < right - i) std::swap(larger, smaller);
    if (larger.first < larger.second) ranges.push_back(larger);
    if (smaller.first < smaller.second) ranges.push_back(smaller);
  }
}
