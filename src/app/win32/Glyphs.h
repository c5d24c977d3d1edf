#pragma once

#include "gui/win32/drawing/Glyph.h"

// The pictures of the main window's buttons.
const TGlyph& OpenGlyph();
const TGlyph& PrintGlyph();
const TGlyph& CancelGlyph();
const TGlyph& UpGlyph();
