#pragma once

#include "gui/win32/Glyph.h"

// The program's own picture: its windows' icon and the about box's.
const TGlyph& ProgramGlyph();
