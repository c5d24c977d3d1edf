#pragma once

#include "dialogs/win32/OrvAboutBox.h"

// The about box as the program makes it.
class TAboutBoxOrv1 : public TAboutBoxOrv {
 protected:
  using TAboutBoxOrv::TAboutBoxOrv;
};
