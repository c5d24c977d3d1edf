#include "gui/win32/dialogs/CommonDialogs.h"

#include <commdlg.h>

#include "gui/win32/drawing/Win32Canvas.h"
#include "win32/Handles.h"
#include "win32/WideText.h"

bool TFontDialog::Execute(HWND owner) {
  const WindowDC screen;
  const int pixelsPerInch = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  LOGFONTW description = LogFontOf(Font, pixelsPerInch);
  CHOOSEFONTW request{sizeof request};
  request.hwndOwner = owner;
  request.lpLogFont = &description;
  request.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
  request.rgbColors = ColourRef(Font.Color);
  if (!ChooseFontW(&request)) return false;
  Font.Name = WideToUtf8(description.lfFaceName);
  Font.Size = request.iPointSize > 0 ? (request.iPointSize + 5) / 10
                                     : MulDiv(description.lfHeight < 0 ? -description.lfHeight : description.lfHeight,
                                              72, pixelsPerInch);
  Font.Color = static_cast<TColor>(request.rgbColors & 0xFFFFFF);
  Font.Bold = description.lfWeight >= FW_BOLD;
  Font.Italic = description.lfItalic != 0;
  Font.Underline = description.lfUnderline != 0;
  Font.StrikeOut = description.lfStrikeOut != 0;
  return true;
}

bool TColorDialog::Execute(HWND owner) {
  CHOOSECOLORW request{sizeof request};
  request.hwndOwner = owner;
  request.rgbResult = ColourRef(Color);
  request.lpCustColors = custom_;
  request.Flags = CC_RGBINIT | CC_ANYCOLOR;
  if (!ChooseColorW(&request)) return false;
  Color = static_cast<TColor>(request.rgbResult & 0xFFFFFF);
  return true;
}
