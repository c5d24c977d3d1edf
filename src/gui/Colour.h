#pragma once

#include <cstdint>

// A colour code: 0x00BBGGRR for an explicit colour (red in the low byte), or
// 0x80000000 plus a system colour index (the code is then negative).
using TColor = int32_t;

constexpr TColor kSystemColourBase = static_cast<TColor>(0x80000000u);
constexpr TColor SystemColour(int index) { return kSystemColourBase | index; }
constexpr bool IsSystemColour(TColor colour) { return colour < 0; }
constexpr TColor Rgb(int red, int green, int blue) { return red | green << 8 | blue << 16; }

constexpr TColor clBlack = 0x000000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWindowText = SystemColour(8);  // COLOR_WINDOWTEXT
constexpr TColor clBtnFace = SystemColour(15);    // COLOR_BTNFACE
