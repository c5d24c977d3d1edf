#include "chart/MultiColour.h"

#include <algorithm>

#include "support/Numbers.h"

namespace {

constexpr std::array<TColor, TMultiColourControl::kMaxColours> kDefaultColours = {
    Rgb(255, 224, 224), Rgb(255, 255, 224), Rgb(224, 255, 224), Rgb(224, 255, 255),
    Rgb(224, 224, 255), Rgb(255, 224, 255), Rgb(255, 255, 255), Rgb(224, 224, 224)};

bool IsBlankOrControl(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::vector<std::string> SplitCommaText(std::string_view text) {
  // A NUL ends the text, as it would end a C string.
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> items;
  size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < text.size() && IsBlankOrControl(text[i])) ++i;
  };
  skipBlanks();
  while (i < text.size()) {
    std::string item;
    if (text[i] == '"') {
      ++i;
      while (i < text.size()) {
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            item += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += text[i++];
      }
    } else {
      while (i < text.size() && static_cast<unsigned char>(text[i]) > ' ' && text[i] != ',') item += text[i++];
    }
    items.push_back(std::move(item));
    skipBlanks();
    if (i < text.size() && text[i] == ',') {
      ++i;
      skipBlanks();
    }
  }
  return items;
}

TMultiColourControl::TMultiColourControl(GraphicHost& host, const TDesign& design) : TGraphicControl(host, design) {
  SetDefaultColours();
}

void TMultiColourControl::SetNumColours(int count) {
  if (count < 1 || count > kMaxColours) return;
  numColours_ = count;
  Invalidate();
}

std::string TMultiColourControl::Colours() const {
  std::string text;
  for (int i = 0; i < numColours_; ++i) {
    if (i > 0) text += ',';
    text += '$' + IntToHex(ColourTable[i], 8);
  }
  return text;
}

void TMultiColourControl::SetColours(std::string_view text) {
  const std::vector<std::string> items = SplitCommaText(text);
  numColours_ = static_cast<int>(std::min<size_t>(items.size(), kMaxColours));
  for (int i = 0; i < numColours_; ++i) {
    const auto colour = StrToInt(items[i]);
    if (!colour) {
      numColours_ = 0;
      return;
    }
    ColourTable[i] = *colour;
  }
  Invalidate();
  if (OnColourChange) OnColourChange(*this);
}

void TMultiColourControl::SetDefaultColours() { ColourTable = kDefaultColours; }
