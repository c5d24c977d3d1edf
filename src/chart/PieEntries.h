#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A line handed to the pie chart, with the object its owner attached.
struct TPieLine {
  std::string Text;
  void* Object = nullptr;
};

// One loaded entry's payload: the attached object (not owned) and the line's value.
struct TObjectAndDouble {
  void* Obj = nullptr;
  double Value = 0;  // never negative
};

// The chart's loaded entries: each trimmed line with its payload.
class TStringListWithDouble {
 public:
  struct Entry {
    std::string Line;
    TObjectAndDouble Item;
  };

  int Count() const { return static_cast<int>(entries_.size()); }
  bool Empty() const { return entries_.empty(); }
  const std::string& Line(int i) const { return entries_[i].Line; }
  const TObjectAndDouble& Item(int i) const { return entries_[i].Item; }
  void Clear() { entries_.clear(); }
  void Reserve(size_t count) { entries_.reserve(count); }
  void Add(std::string line, TObjectAndDouble item) { entries_.push_back({std::move(line), item}); }

  // Largest value first, by the quicksort whose order of equal values listings show.
  void SortByValue();

 private:
  std::vector<Entry> entries_;
};

// A chart line taken apart: "1234   \windows" has the value 1234 and the name
// "\windows"; a number starting with "-" marks a ghost entry.
struct ParsedPieLine {
  std::string Trimmed;  // the line without blanks and control characters at its ends
  double Value = 0;     // the absolute value
};

// Nothing when the text before the first blank is not a number.
std::optional<ParsedPieLine> ParsePieLine(std::string_view line);

// The text from a trimmed line's first blank on, trimmed; empty without a blank.
std::string PieLineName(std::string_view trimmedLine);

bool IsGhostLine(std::string_view trimmedLine);
