#pragma once

#include <string_view>

#include "gui/Component.h"

// A control that shows one text, such as a label.
class TCaptionView {
 public:
  virtual void SetCaption(std::string_view caption) = 0;
  // The control as a component, to be told when it goes.
  virtual TComponent& Component() = 0;

 protected:
  ~TCaptionView() = default;
};
