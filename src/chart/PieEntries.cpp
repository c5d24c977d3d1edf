#include "chart/PieEntries.h"

#include <cmath>
#include <utility>

#include "support/Numbers.h"
#include "support/Strings.h"

std::string_view TrimmedPieLine(std::string_view line) {
  // Trim's own rule, a character at a time: a one-character string needs no allocation.
  const auto blank = [](char c) { return Trim(std::string_view(&c, 1)).empty(); };
  while (!line.empty() && blank(line.front())) line.remove_prefix(1);
  while (!line.empty() && blank(line.back())) line.remove_suffix(1);
  return line;
}

std::optional<ParsedPieLine> ParsePieLine(std::string_view line) {
  const std::string_view trimmed = TrimmedPieLine(line);
  const std::optional<double> value = Val(trimmed.substr(0, trimmed.find(' ')));
  if (!value) return std::nullopt;
  return ParsedPieLine{trimmed, std::fabs(*value)};
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
