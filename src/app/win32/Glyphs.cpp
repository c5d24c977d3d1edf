#include "app/win32/Glyphs.h"

const TGlyph& OpenGlyph() {
  static const TGlyph glyph(
      "................\n"
      "................\n"
      "................\n"
      ".kkkkk..........\n"
      "kyyyyyk.........\n"
      "kyyyyyykkkkkkk..\n"
      "kyyyyyyyyyyyyok.\n"
      "kyyykkkkkkkkkkkk\n"
      "kyykoooooooooook\n"
      "kyykoooooooooook\n"
      "kykoooooooooook.\n"
      "kykoooooooooook.\n"
      "kkoooooooooook..\n"
      "kkkkkkkkkkkkkk..\n"
      "................\n"
      "................\n");
  return glyph;
}

const TGlyph& PrintGlyph() {
  static const TGlyph glyph(
      "................\n"
      "....kkkkkkkk....\n"
      "....kwwwwwwk....\n"
      "....kwkkkkwk....\n"
      "....kwwwwwwk....\n"
      "..kkkkkkkkkkkk..\n"
      ".kgggggggggggggk\n"
      ".kggggggggggbgk.\n"
      ".kggggggggggggk.\n"
      ".kkkkkkkkkkkkkk.\n"
      ".kddkwwwwwwkddk.\n"
      "..kkkwkkkkwkkk..\n"
      "....kwwwwwwk....\n"
      "....kkkkkkkk....\n"
      "................\n"
      "................\n");
  return glyph;
}

const TGlyph& CancelGlyph() {
  static const TGlyph glyph(
      "............\n"
      ".rr......rr.\n"
      ".rrr....rrr.\n"
      "..rrr..rrr..\n"
      "...rrrrrr...\n"
      "....rrrr....\n"
      "....rrrr....\n"
      "...rrrrrr...\n"
      "..rrr..rrr..\n"
      ".rrr....rrr.\n"
      ".rr......rr.\n"
      "............\n");
  return glyph;
}

const TGlyph& UpGlyph() {
  static const TGlyph glyph(
      "............\n"
      ".....nn.....\n"
      "....nnnn....\n"
      "...nnnnnn...\n"
      "..nnnnnnnn..\n"
      ".nnnnnnnnnn.\n"
      "....nnnn....\n"
      "....nnnn....\n"
      "....nnnn....\n"
      "....nnnn....\n"
      "....nnnn....\n"
      "............\n");
  return glyph;
}
