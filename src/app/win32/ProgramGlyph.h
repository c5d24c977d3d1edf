#pragma once

#include "gui/win32/drawing/Glyph.h"

// The program's own picture: its windows' icon and the about box's.
const TGlyph& ProgramGlyph();
