#include "app/win32/ProgramGlyph.h"

const TGlyph& ProgramGlyph() {
  static const TGlyph glyph(
      "................\n"
      ".....kkkkkk.....\n"
      "...kkrrrkbbkk...\n"
      "..krrrrrkbbbbk..\n"
      ".krrrrrrkbbbbbk.\n"
      ".krrrrrrkbbbbbk.\n"
      "krrrrrrrkbbbbbbk\n"
      "krrrrrrrkkkkkkkk\n"
      "krrrrrrrkyyyyyyk\n"
      "krrrrrrrryyyyyyk\n"
      ".krrrrrrryyyyyk.\n"
      ".krrrrrrrryyyyk.\n"
      "..krrrrrrryyyk..\n"
      "...kkrrrrryykk..\n"
      ".....kkkkkk.....\n"
      "................\n");
  return glyph;
}
