#pragma once

#include "gui/Picture.h"
#include "win32/Handles.h"

// An icon made by the platform, owned until an image takes it.
class TIconPicture final : public TPicture {
 public:
  explicit TIconPicture(Icon icon) : icon_(std::move(icon)) {}
  Icon Take() { return std::move(icon_); }

 private:
  Icon icon_;
};
