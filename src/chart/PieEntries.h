#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gui/ItemList.h"

// A line handed to the pie chart, with the object its owner attached and, when the
// owner has it at hand, the value the text's number stands for (its absolute value,
// exactly as reading the text gives it); without one the chart reads the text.
struct TPieLine {
  std::string Text;
  void* Object = nullptr;
  std::optional<double> Value;
};

// One loaded entry's payload: the attached object (not owned) and the line's value.
struct TObjectAndDouble {
  void* Obj = nullptr;
  double Value = 0;  // never negative
};

// The chart's loaded entries: each trimmed line with its payload; its list shows them
// from here. The lines lie end to end in one buffer, so a level of a hundred thousand
// costs a few allocations, and sorting moves only small records.
class TStringListWithDouble final : public TItemSource {
 public:
  int Count() const override { return static_cast<int>(entries_.size()); }
  std::string_view Text(int index) const override { return Line(index); }
  void* Object(int index) const override { return entries_[index].Item.Obj; }
  bool Empty() const { return entries_.empty(); }
  std::string_view Line(int i) const { return std::string_view(text_).substr(entries_[i].Offset, entries_[i].Length); }
  const TObjectAndDouble& Item(int i) const { return entries_[i].Item; }
  void Reserve(size_t count, size_t textLength) {
    entries_.reserve(count);
    text_.reserve(textLength);
  }
  void Add(std::string_view line, TObjectAndDouble item) {
    entries_.push_back({text_.size(), line.size(), item});
    text_ += line;
  }

  // Largest value first, by the quicksort whose order of equal values listings show.
  void SortByValue();

 private:
  struct Entry {
    size_t Offset;  // in text_
    size_t Length;
    TObjectAndDouble Item;
  };
  std::vector<Entry> entries_;
  std::string text_;
};

// A line without blanks and control characters at its ends, as Trim leaves it, but
// in place.
std::string_view TrimmedPieLine(std::string_view line);

// A chart line taken apart: "1234   \windows" has the value 1234 and the name
// "\windows"; a number starting with "-" marks a ghost entry.
struct ParsedPieLine {
  std::string_view Trimmed;  // of the line read, trimmed
  double Value = 0;          // the absolute value
};

// Nothing when the text before the first blank is not a number.
std::optional<ParsedPieLine> ParsePieLine(std::string_view line);

// The text from a trimmed line's first blank on, trimmed; empty without a blank.
std::string PieLineName(std::string_view trimmedLine);

bool IsGhostLine(std::string_view trimmedLine);
